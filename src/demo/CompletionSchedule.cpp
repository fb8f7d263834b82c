#include "demo/CompletionSchedule.h"

#include <QRegularExpression>

#include <algorithm>
#include <utility>

namespace demo {

namespace {

const QRegularExpression &createIndex()
{
    static const QRegularExpression statement(
        QStringLiteral("^\\s*create\\s+(?:unique\\s+)?index\\s+\\S+\\s+on\\s+([^\\s(]+)"),
        QRegularExpression::CaseInsensitiveOption);
    return statement;
}

const QRegularExpression &createStatistics()
{
    static const QRegularExpression statement(
        QStringLiteral("^\\s*create\\s+statistics\\s.*\\sfrom\\s+([^\\s;]+)\\s*;?\\s*$"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    return statement;
}

QString withoutComments(const QString &sql)
{
    static const QRegularExpression comment(QStringLiteral("--[^\\n]*"));
    return QString(sql).remove(comment);
}

// A table's name as the schedule compares them: lower case, unquoted and without its schema,
// since all of them are in the company's.
QString plainName(const QString &table)
{
    return table.section(u'.', -1).remove(u'"').toLower();
}

} // namespace

QString CompletionSchedule::tableOf(const QString &sql)
{
    const QString text = withoutComments(sql);
    QRegularExpressionMatch match = createIndex().match(text);
    if (!match.hasMatch())
        match = createStatistics().match(text);
    return match.hasMatch() ? plainName(match.captured(1)) : QString();
}

bool CompletionSchedule::add(const QString &sql, QString &sMsg)
{
    QString table = tableOf(sql);
    if (table.isEmpty()) {
        sMsg = QStringLiteral("the statement names no table it completes: %1").arg(sql.trimmed());
        return false;
    }
    const bool index = createIndex().match(withoutComments(sql)).hasMatch();
    append(sql, std::move(table), index ? Kind::Index : Kind::Other);
    return true;
}

void CompletionSchedule::addAnalyze(const QString &table)
{
    append(QStringLiteral("analyze ") + table, plainName(table), Kind::Analyze);
}

void CompletionSchedule::append(QString sql, QString table, Kind kind)
{
    std::lock_guard lock(m_mutex);
    qsizetype rank = m_tables.indexOf(table);
    if (rank < 0) {
        rank = m_tables.size();
        m_tables.append(table);
    }
    m_entries.push_back({ std::move(sql), std::move(table), kind, int(rank), State::Waiting });
}

bool CompletionSchedule::ready(const Entry &entry) const
{
    if (entry.state != State::Waiting)
        return false;
    if (entry.kind == Kind::Index)
        return true;
    for (const Entry &other : m_entries) {
        const bool before =
            entry.kind == Kind::Analyze ? other.kind != Kind::Analyze : other.kind == Kind::Index;
        if (before && other.table == entry.table && other.state != State::Done)
            return false;
    }
    return true;
}

int CompletionSchedule::nextReady() const
{
    int next = -1;
    for (int at = 0; at < int(m_entries.size()); ++at) {
        if (ready(m_entries[at])
            && (next < 0 || m_entries[at].tableRank < m_entries[next].tableRank)) {
            next = at;
        }
    }
    return next;
}

bool CompletionSchedule::anyLeft(State state) const
{
    for (const Entry &entry : m_entries) {
        if (entry.state == state)
            return true;
    }
    return false;
}

std::optional<CompletionSchedule::Statement> CompletionSchedule::take()
{
    std::unique_lock lock(m_mutex);
    int next = -1;
    m_changed.wait(lock, [&] {
        next = nextReady();
        return m_failed || next >= 0 || !anyLeft(State::Running) || !anyLeft(State::Waiting);
    });
    if (m_failed || next < 0)
        return std::nullopt;
    m_entries[next].state = State::Running;
    return Statement{ next, m_entries[next].sql };
}

void CompletionSchedule::finish(int number, bool succeeded)
{
    std::lock_guard lock(m_mutex);
    m_entries.at(number).state = State::Done;
    m_failed = m_failed || !succeeded;
    m_changed.notify_all();
}

std::pair<int, int> CompletionSchedule::progress() const
{
    std::lock_guard lock(m_mutex);
    const auto done = std::count_if(m_entries.begin(), m_entries.end(),
                                    [](const Entry &entry) { return entry.state == State::Done; });
    return { int(done), int(m_entries.size()) };
}

} // namespace demo

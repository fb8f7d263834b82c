#pragma once

#include <QString>
#include <QStringList>

#include <condition_variable>
#include <mutex>
#include <optional>
#include <utility>
#include <vector>

namespace demo {

// The statements that complete a loaded company on the server (its indexes, its statistics
// objects and the planner's statistics of every table), taken by several connections at once
// in an order the server's locks allow:
//
// - the CREATE INDEX statements of a table run side by side, whenever a connection is free;
// - another statement on a table (CREATE STATISTICS) waits until the table's indexes are
//   built, since its lock conflicts with an index build's and a connection waiting for a lock
//   does nothing meanwhile;
// - a table's ANALYZE comes after all its statements, so that it also reads the expressions
//   the indexes and statistics objects name.
//
// Of the statements ready, the one of the table met first goes first, and within a table the
// one added first; the caller adds the longest work first.
class CompletionSchedule
{
public:
    struct Statement
    {
        int number = 0;
        QString sql;
    };

    // A CREATE INDEX or CREATE STATISTICS statement; false when its table cannot be read from it.
    bool add(const QString &sql, QString &sMsg);
    // The ANALYZE of a table, once all of the table's statements are done.
    void addAnalyze(const QString &table);

    // The next statement ready, waiting while none is but some still run; none when every
    // statement has been taken or one has failed.
    std::optional<Statement> take();
    void finish(int number, bool succeeded);
    // How many statements are done, and how many there are.
    std::pair<int, int> progress() const;

    // The table a statement is on, lower case and unquoted; empty when it names none.
    static QString tableOf(const QString &sql);

private:
    enum class Kind { Index, Other, Analyze };
    enum class State { Waiting, Running, Done };

    struct Entry
    {
        QString sql;
        QString table;
        Kind kind = Kind::Index;
        int tableRank = 0; // the order in which the table was met
        State state = State::Waiting;
    };

    void append(QString sql, QString table, Kind kind);
    bool ready(const Entry &entry) const;
    // The entry to run next, or -1 when none is ready.
    int nextReady() const;
    bool anyLeft(State state) const;

    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    // In the order added; Statement::number is the place here.
    std::vector<Entry> m_entries;
    QStringList m_tables;
    bool m_failed = false;
};

} // namespace demo

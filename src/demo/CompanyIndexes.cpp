#include "demo/CompanyIndexes.h"

#include "demo/SchemaScript.h"

#include "suite/data/SqliteConnection.h"
#include "suite/data/tsql/BatchRunner.h"
#include "suite/data/tsql/SqlLexer.h"
#include "suite/data/tsql/SqliteDialect.h"
#include "suite/data/tsql/TsqlTranslator.h"

#include <algorithm>
#include <functional>

namespace demo {

namespace {

using suite::tsql::Keyword;

const QString kScript = QStringLiteral("company_indexes.sql");

// The word CREATE [UNIQUE] [[NON]CLUSTERED] before the INDEX at index.
bool createsIndex(const suite::tsql::TokenList &tokens, int index)
{
    int at = index - 1;
    while (at >= 0
           && (tokens[at].keyword == Keyword::Unique || tokens[at].keyword == Keyword::Clustered
               || tokens[at].keyword == Keyword::Nonclustered)) {
        --at;
    }
    return at >= 0 && tokens[at].keyword == Keyword::Create;
}

bool existingIndexes(suite::SqliteConnection &connection, QStringList &names, QString &sMsg)
{
    const suite::RecordSet rows = connection.query(
        QStringLiteral("select name from sqlite_master where type = 'index'"), {}, sMsg);
    for (int row = 0; row < rows.RecordCount(); ++row)
        names.append(rows.valueAt(row, 0).toString());
    return rows.IsOpen();
}

// The script's steps that create the indexes the database lacks.
bool missingSteps(const QStringList &existing, suite::tsql::Batch &missing, QStringList &created,
                  QString &sMsg)
{
    QStringList scriptNames;
    QString text;
    if (!CompanyIndexes::names(scriptNames, sMsg) || !SchemaScript::read(kScript, text, sMsg))
        return false;
    suite::tsql::TsqlTranslator translator(std::make_shared<suite::tsql::SqliteDialect>());
    QString reason;
    const std::shared_ptr<const suite::tsql::Batch> batch = translator.translate(text, reason);
    if (!batch) {
        sMsg = QStringLiteral("%1 cannot be translated: %2").arg(kScript, reason);
        return false;
    }
    if (batch->steps.size() != size_t(scriptNames.size())) {
        sMsg = QStringLiteral("%1 may hold nothing but CREATE INDEX statements").arg(kScript);
        return false;
    }
    for (qsizetype i = 0; i < scriptNames.size(); ++i) {
        if (existing.contains(scriptNames[i], Qt::CaseInsensitive))
            continue;
        missing.steps.push_back(batch->steps[size_t(i)]);
        created.append(scriptNames[i]);
    }
    return true;
}

bool dropRetired(suite::SqliteConnection &connection, const QStringList &existing, QString &sMsg)
{
    for (const QString &name : CompanyIndexes::retired()) {
        if (existing.contains(name, Qt::CaseInsensitive)
            && !connection.execute(
                QStringLiteral("drop index ") + suite::quoteSqliteIdentifier(name), sMsg)) {
            return false;
        }
    }
    return true;
}

// Complete statistics of each new index, as a new company has them: sampled ones overstate the
// rows of an index and steer the planner away from it.
bool analyze(suite::SqliteConnection &connection, const QStringList &indexes, QString &sMsg)
{
    if (!connection.execute(QStringLiteral("pragma analysis_limit = 0"), sMsg))
        return false;
    for (const QString &name : indexes) {
        if (!connection.execute(QStringLiteral("analyze ") + suite::quoteSqliteIdentifier(name),
                                sMsg)) {
            return false;
        }
    }
    return true;
}

bool changeIndexes(suite::SqliteConnection &connection, const QStringList &existing,
                   const suite::tsql::Batch &missing, const QStringList &created, QString &sMsg)
{
    if (!dropRetired(connection, existing, sMsg))
        return false;
    suite::tsql::BatchRunner runner(connection);
    const suite::tsql::BatchRunner::Outcome outcome = runner.run(missing);
    if (!outcome.ok) {
        sMsg = outcome.message;
        return false;
    }
    return analyze(connection, created, sMsg);
}

bool inTransaction(suite::SqliteConnection &connection,
                   const std::function<bool(QString &reason)> &work, QString &sMsg)
{
    QString reason;
    if (!connection.beginTransaction(reason)) {
        sMsg = QStringLiteral("%1: %2").arg(kScript, reason);
        return false;
    }
    if (work(reason) && connection.commitTransaction(reason))
        return true;
    QString ignored;
    connection.rollbackTransaction(ignored);
    sMsg = QStringLiteral("%1 failed: %2").arg(kScript, reason);
    return false;
}

} // namespace

bool CompanyIndexes::names(QStringList &names, QString &sMsg)
{
    QString text;
    if (!SchemaScript::read(kScript, text, sMsg))
        return false;
    suite::tsql::TokenList tokens;
    QString reason;
    if (!suite::tsql::tokenize(text, tokens, reason)) {
        sMsg = QStringLiteral("%1 cannot be read: %2").arg(kScript, reason);
        return false;
    }
    names.clear();
    for (int i = 0; i + 1 < tokens.size(); ++i) {
        if (tokens[i].keyword == Keyword::Index && createsIndex(tokens, i))
            names.append(suite::tsql::unquotedText(tokens, tokens[i + 1]));
    }
    return true;
}

// An index led by the customer class and holding the code let SQLite sort a whole class for
// each page of the list; IX_Customer_List serves the class filter in code order, and
// IX_Customer_Class, without the code, counts a class.
QStringList CompanyIndexes::retired()
{
    return { QStringLiteral("IX_Customer_cCCCode") };
}

bool CompanyIndexes::update(suite::SqliteConnection &connection, QStringList &created,
                            QString &sMsg)
{
    created.clear();
    QStringList existing;
    suite::tsql::Batch missing;
    QStringList missingNames;
    if (!existingIndexes(connection, existing, sMsg)
        || !missingSteps(existing, missing, missingNames, sMsg)) {
        return false;
    }
    const auto isRetired = [](const QString &name) {
        return CompanyIndexes::retired().contains(name, Qt::CaseInsensitive);
    };
    if (missingNames.isEmpty() && std::none_of(existing.cbegin(), existing.cend(), isRetired))
        return true;
    if (!inTransaction(
            connection,
            [&](QString &reason) {
                return changeIndexes(connection, existing, missing, missingNames, reason);
            },
            sMsg)) {
        return false;
    }
    created = missingNames;
    return true;
}

} // namespace demo

#pragma once

#include "suite/data/tsql/SqlDialect.h"
#include "suite/data/tsql/SqliteFullText.h"

namespace suite::tsql {

// SQLite 3.40 as the embedded company database. Temporary tables live in the connection's
// temp schema under their '#' names, so they never collide with a table of the same name;
// other databases are attached under their own names. Dates are text of the form
// 'YYYY-MM-DD HH:MM:SS.fff' in local time, as SQL Server's datetime reads back. Text columns
// are declared COLLATE NOCASE because the company database compares codes and names without
// regard to case.
class SqliteDialect : public SqlDialect
{
public:
    SqliteDialect() = default;
    // statistics, when given, let CONTAINS choose how a search reads; they must outlive the
    // dialect.
    explicit SqliteDialect(const FullTextStatistics *statistics)
        : m_fullText(statistics)
    { }

    QString quoteIdentifier(QStringView name) const override;
    bool quotesPlainName(QStringView name) const override;
    QString rowIdentity() const override;

    QString parameterPlaceholder(int number) const override;
    QString limitClause(const QString &count) const override;
    QString concatOperator() const override;
    QString objectIdExpression(const ObjectName &name) const override;
    QString systemVariable(QStringView lowerName) const override;

    bool mapsFunction(QStringView lowerName) const override;
    bool mapFunction(QStringView lowerName, const QStringList &arguments, QString &out,
                     QString &sMsg) const override;
    QString likelyCondition(const QString &condition) const override;
    QString castExpression(const QString &expression, const SqlType &type) const override;
    bool convertExpression(const SqlType &type, const QString &expression, int style, QString &out,
                           QString &sMsg) const override;

    QString columnDefinition(const ColumnDefinition &column) const override;
    QStringList afterCreateTable(const ObjectName &table,
                                 const QList<ColumnDefinition> &columns) const override;
    QString createIndex(bool unique, const QString &indexName, const ObjectName &table,
                        const QString &columns) const override;
    QString dropIndex(const QString &indexName, const ObjectName &table) const override;
    QString truncateTable(const ObjectName &table) const override;

private:
    const FullTextStatistics *m_fullText = nullptr;

    QString schemaOf(const ObjectName &name) const override;
};

} // namespace suite::tsql

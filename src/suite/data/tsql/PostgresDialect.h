#pragma once

#include "suite/data/tsql/SqlDialect.h"

namespace suite::tsql {

// PostgreSQL 15 as the server company database. The company's tables live in a schema of
// their own (the search path names it); the system and metadata databases are the schemas
// kvsystem and kvmeta_<account> of the same database, and a #temp table is a temporary table
// of the connection under its '#' name (pg_temp."#t"). Unquoted names fold to lower case, so a
// quoted name is written in lower case too: [cCusCode] and cCusCode name the same column, as on
// SQL Server.
//
// Text columns are citext, the case-insensitive text type of the citext extension: =, <,
// ORDER BY, LIKE and indexes all compare without regard to case. A nondeterministic ICU
// collation would compare the same way, but PostgreSQL 15 refuses LIKE on such a column, and
// the lists filter with LIKE. citext has no length, so a declared length is kept by a CHECK,
// and each column's declared name and type by its comment, which the backend reads to report
// the column as the company's statements declared it. SQL Server's bit is a smallint, so that
// the company's statements' bit = 1 compares as written.
class PostgresDialect : public SqlDialect
{
public:
    // systemSchema: where the system database kvsystem lives (the connection text's
    // "System Schema"), so that companies of two systems can share one server database.
    explicit PostgresDialect(QString systemSchema = QStringLiteral("kvsystem"))
        : m_systemSchema(std::move(systemSchema))
    { }

    QString quoteIdentifier(QStringView name) const override;
    bool quotesPlainName(QStringView name) const override;
    QString rowIdentity() const override;

    QString parameterPlaceholder(int number) const override;
    QString limitClause(const QString &count) const override;
    bool sortsNullsLast() const override { return true; }
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

    // The PostgreSQL type of a T-SQL type: nvarchar(40) -> citext, datetime -> timestamp(3).
    static QString storageType(const SqlType &type);
    // The text a column's comment holds: its declared name and T-SQL type, "cCusCode
    // nvarchar(20)".
    static QString declarationComment(const QString &name, const SqlType &type);

private:
    QString m_systemSchema;

    QString schemaOf(const ObjectName &name) const override;
    QString indexIdentifier(const QString &indexName, const ObjectName &table) const;
};

} // namespace suite::tsql

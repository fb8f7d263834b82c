#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

namespace suite::tsql {

// A table, view or index name as T-SQL writes it: [database.][schema.]object, parts without
// brackets. "tempdb" and the schema are already taken off; a temporary table keeps its '#'.
struct ObjectName
{
    QString database;
    QString object;

    bool isTemporary() const { return object.startsWith(u'#'); }
};

// A T-SQL type: lower-case name and its arguments as written ("nvarchar", {"40"}; "decimal",
// {"18", "2"}; "nvarchar", {"max"}).
struct SqlType
{
    QString name;
    QStringList arguments;

    bool isText() const;
    bool isDateTime() const;
    // The written form, nvarchar(40).
    QString declaration() const;
};

// A column of CREATE TABLE or ALTER TABLE ADD, its parts already in the backend's dialect.
struct ColumnDefinition
{
    QString name;
    // The name as the T-SQL wrote it, without brackets or quotes.
    QString declaredName;
    SqlType type;
    bool notNull = false;
    bool explicitNull = false;
    bool primaryKey = false;
    bool unique = false;
    bool identity = false;
    qint64 identitySeed = 1;
    qint64 identityIncrement = 1;
    // An expression, already translated.
    QString defaultValue;
    // The T-SQL collation name when the column names one.
    QString collation;
    // Constraints passed on as they are (CHECK, REFERENCES, CONSTRAINT name), translated.
    QStringList otherConstraints;
};

// Everything in which a backend differs from SQL Server. The translator reads T-SQL and asks
// the dialect how to write each construct, so that another backend needs only a dialect.
class SqlDialect
{
public:
    virtual ~SqlDialect() = default;

    virtual QString quoteIdentifier(QStringView name) const = 0;
    // Whether a bare T-SQL name must be quoted for the backend: a name led by a digit, one of
    // other characters than letters, digits and '_', or one the backend reserves.
    bool needsQuotes(QStringView name) const;
    // needsQuotes for a name of ASCII letters, digits and '_' that no digit leads: whether the
    // backend reserves it. Asked for nearly every name of a statement, so it is kept cheap.
    virtual bool quotesPlainName(QStringView name) const = 0;
    // A table or view: temporary tables and other databases mapped to the backend's schemas.
    QString objectName(const ObjectName &name) const;
    // The hidden row identity UPDATE ... FROM rewrites match rows by.
    virtual QString rowIdentity() const = 0;

    // The placeholder of the n-th (1-based) distinct variable of a statement; a variable used
    // twice binds once.
    virtual QString parameterPlaceholder(int number) const = 0;
    // Appended to a query for TOP count.
    virtual QString limitClause(const QString &count) const = 0;
    // Whether an ascending ORDER BY puts NULL after every value (PostgreSQL) rather than
    // before (SQL Server, SQLite); a descending one puts it at the other end.
    virtual bool sortsNullsLast() const { return false; }
    virtual QString concatOperator() const = 0;
    // The expression of OBJECT_ID(name): not null exactly when the object exists.
    virtual QString objectIdExpression(const ObjectName &name) const = 0;
    // @@IDENTITY; empty when the backend has no counterpart. @@ROWCOUNT is no dialect's: the
    // batch runner keeps it (see kRowCountParameter).
    virtual QString systemVariable(QStringView lowerName) const = 0;

    // Whether mapFunction rewrites calls of this (lower-case) function.
    virtual bool mapsFunction(QStringView lowerName) const = 0;
    // The backend's expression for a call whose arguments are already translated. False with
    // the reason in sMsg when the call cannot be expressed (wrong argument count, unknown
    // date part).
    virtual bool mapFunction(QStringView lowerName, const QStringList &arguments, QString &out,
                             QString &sMsg) const = 0;
    // A condition the planner is to take as true for most rows; the condition itself where
    // the backend takes no such hint.
    virtual QString likelyCondition(const QString &condition) const = 0;
    virtual QString castExpression(const QString &expression, const SqlType &type) const = 0;
    // CONVERT(type, expression[, style]); style -1 when none is given.
    virtual bool convertExpression(const SqlType &type, const QString &expression, int style,
                                   QString &out, QString &sMsg) const = 0;

    virtual QString columnDefinition(const ColumnDefinition &column) const = 0;
    // Statements that must follow CREATE TABLE (an identity the backend keeps by trigger).
    virtual QStringList afterCreateTable(const ObjectName &table,
                                         const QList<ColumnDefinition> &columns) const = 0;
    virtual QString createIndex(bool unique, const QString &indexName, const ObjectName &table,
                                const QString &columns) const = 0;
    virtual QString dropIndex(const QString &indexName, const ObjectName &table) const = 0;
    virtual QString truncateTable(const ObjectName &table) const = 0;

protected:
    QString quoteIfNeeded(const QString &name) const;
    // The backend's schema of an object, quoted as needed; empty for the connection's own.
    virtual QString schemaOf(const ObjectName &name) const = 0;
};

} // namespace suite::tsql

#include "suite/data/tsql/PostgresDialect.h"

#include "suite/data/tsql/MappedFunction.h"
#include "suite/data/tsql/PostgresFullText.h"
#include "suite/data/tsql/SqlLexer.h"

#include <array>

namespace suite::tsql {

namespace {

FunctionWriter renamedTo(const char *name)
{
    return [name](const QStringList &a, QString &out, QString &) {
        out = functionCall(QLatin1String(name), a);
        return true;
    };
}

// A function of one argument written by a pattern whose %1 is the argument.
FunctionWriter pattern(const char *text)
{
    return [text](const QStringList &a, QString &out, QString &) {
        out = QString::fromLatin1(text).arg(a[0]);
        return true;
    };
}

QString sqlText(const QString &text)
{
    return u'\'' + QString(text).replace(u'\'', QStringLiteral("''")) + u'\'';
}

QString timestampOf(const QString &value)
{
    return QStringLiteral("(%1)::timestamp").arg(value);
}

// SQL Server's date parts by all their spellings, as PostgreSQL's field names.
QString dateField(const QString &part)
{
    const QString p = part.toLower();
    if (p == u"year" || p == u"yy" || p == u"yyyy")
        return QStringLiteral("year");
    if (p == u"month" || p == u"mm" || p == u"m")
        return QStringLiteral("month");
    if (p == u"day" || p == u"dd" || p == u"d" || p == u"dayofyear" || p == u"dy" || p == u"y")
        return QStringLiteral("day");
    if (p == u"week" || p == u"wk" || p == u"ww")
        return QStringLiteral("week");
    if (p == u"hour" || p == u"hh")
        return QStringLiteral("hour");
    if (p == u"minute" || p == u"mi" || p == u"n")
        return QStringLiteral("minute");
    if (p == u"second" || p == u"ss" || p == u"s")
        return QStringLiteral("second");
    return QString();
}

QString partOf(const QString &field, const QString &date)
{
    return QStringLiteral("extract(%1 from %2)::integer").arg(field, timestampOf(date));
}

// DATEDIFF counts the boundaries crossed, so both dates are cut to the unit first.
QString boundaryDifference(const QString &field, const QString &from, const QString &to,
                           int secondsPerUnit)
{
    return QStringLiteral("(extract(epoch from date_trunc('%1', %3) - date_trunc('%1', %2)) / "
                          "%4)::integer")
        .arg(field, timestampOf(from), timestampOf(to))
        .arg(secondsPerUnit);
}

bool dateDiff(const QStringList &a, QString &out, QString &sMsg)
{
    const QString field = dateField(a[0]);
    const QString &from = a[1];
    const QString &to = a[2];
    if (field == u"year") {
        out = QStringLiteral("(%1 - %2)").arg(partOf(field, to), partOf(field, from));
    } else if (field == u"month") {
        out = QStringLiteral("((%1 - %2) * 12 + %3 - %4)")
                  .arg(partOf(QStringLiteral("year"), to), partOf(QStringLiteral("year"), from),
                       partOf(field, to), partOf(field, from));
    } else if (field == u"day") {
        out = QStringLiteral("(%1::date - %2::date)").arg(timestampOf(to), timestampOf(from));
    } else if (field == u"week") {
        out = QStringLiteral("((%1::date - %2::date) / 7)").arg(timestampOf(to), timestampOf(from));
    } else if (field == u"hour") {
        out = boundaryDifference(field, from, to, 3600);
    } else if (field == u"minute") {
        out = boundaryDifference(field, from, to, 60);
    } else if (field == u"second") {
        out = boundaryDifference(field, from, to, 1);
    } else {
        sMsg = QStringLiteral("the date part %1 of DATEDIFF is not supported").arg(a[0]);
        return false;
    }
    return true;
}

bool dateAdd(const QStringList &a, QString &out, QString &sMsg)
{
    const QString field = dateField(a[0]);
    if (field.isEmpty()) {
        sMsg = QStringLiteral("the date part %1 of DATEADD is not supported").arg(a[0]);
        return false;
    }
    out = QStringLiteral("(%1 + (%2) * interval '1 %3')::timestamp(3)")
              .arg(timestampOf(a[2]), a[1], field);
    return true;
}

// Position counting from a start position, as CHARINDEX's third argument asks.
bool charIndex(const QStringList &a, QString &out, QString &)
{
    if (a.size() == 2) {
        out = QStringLiteral("strpos(%1, %2)").arg(a[1], a[0]);
        return true;
    }
    out = QStringLiteral("(case when strpos(substr(%1, %3), %2) > 0 then strpos(substr(%1, %3), "
                         "%2) + (%3) - 1 else 0 end)")
              .arg(a[1], a[0], a[2]);
    return true;
}

const QList<MappedFunction> &mappedFunctions()
{
    static const QList<MappedFunction> functions = {
        { QLatin1StringView("isnull"), 2, 2, renamedTo("coalesce") },
        // SQL Server's datetime keeps milliseconds (to 3.33 ms); so does timestamp(3).
        { QLatin1StringView("getdate"), 0, 0,
          [](const QStringList &, QString &out, QString &) {
              out = QStringLiteral("localtimestamp(3)");
              return true;
          } },
        { QLatin1StringView("getutcdate"), 0, 0,
          [](const QStringList &, QString &out, QString &) {
              out = QStringLiteral("(now() at time zone 'utc')::timestamp(3)");
              return true;
          } },
        { QLatin1StringView("newid"), 0, 0,
          [](const QStringList &, QString &out, QString &) {
              out = QStringLiteral("upper(gen_random_uuid()::text)");
              return true;
          } },
        // LEN ignores trailing blanks.
        { QLatin1StringView("len"), 1, 1, pattern("length(rtrim((%1)::text, ' '))") },
        { QLatin1StringView("datalength"), 1, 1, pattern("octet_length(%1)") },
        { QLatin1StringView("substring"), 3, 3, renamedTo("substr") },
        { QLatin1StringView("left"), 2, 2,
          [](const QStringList &a, QString &out, QString &) {
              out = QStringLiteral("left((%1)::text, %2)").arg(a[0], a[1]);
              return true;
          } },
        { QLatin1StringView("right"), 2, 2,
          [](const QStringList &a, QString &out, QString &) {
              out = QStringLiteral("(case when (%2) > 0 then right((%1)::text, %2) else '' end)")
                        .arg(a[0], a[1]);
              return true;
          } },
        { QLatin1StringView("charindex"), 2, 3, charIndex },
        { QLatin1StringView("contains"), 2, 2, postgresContains },
        { QLatin1StringView("datediff"), 3, 3, dateDiff },
        { QLatin1StringView("dateadd"), 3, 3, dateAdd },
        { QLatin1StringView("year"), 1, 1, pattern("extract(year from (%1)::timestamp)::integer") },
        { QLatin1StringView("month"), 1, 1,
          pattern("extract(month from (%1)::timestamp)::integer") },
        { QLatin1StringView("day"), 1, 1, pattern("extract(day from (%1)::timestamp)::integer") },
        { QLatin1StringView("space"), 1, 1, pattern("repeat(' ', %1)") },
    };
    return functions;
}

// to_char formats of the CONVERT styles the suite's texts use.
QString styleFormat(int style)
{
    switch (style) {
    case 20:
    case 120:
        return QStringLiteral("YYYY-MM-DD HH24:MI:SS");
    case 21:
    case 121:
        return QStringLiteral("YYYY-MM-DD HH24:MI:SS.MS");
    case 23:
        return QStringLiteral("YYYY-MM-DD");
    case 102:
        return QStringLiteral("YYYY.MM.DD");
    case 108:
        return QStringLiteral("HH24:MI:SS");
    case 111:
        return QStringLiteral("YYYY/MM/DD");
    case 112:
        return QStringLiteral("YYYYMMDD");
    default:
        return QString();
    }
}

// Words PostgreSQL reserves that SQL Server lets a column be called without brackets.
bool reservedInPostgres(QStringView name)
{
    static const QLatin1StringView words[] = {
        QLatin1StringView("analyse"),        QLatin1StringView("analyze"),
        QLatin1StringView("array"),          QLatin1StringView("asymmetric"),
        QLatin1StringView("both"),           QLatin1StringView("do"),
        QLatin1StringView("false"),          QLatin1StringView("initially"),
        QLatin1StringView("lateral"),        QLatin1StringView("leading"),
        QLatin1StringView("limit"),          QLatin1StringView("localtime"),
        QLatin1StringView("localtimestamp"), QLatin1StringView("offset"),
        QLatin1StringView("only"),           QLatin1StringView("placing"),
        QLatin1StringView("returning"),      QLatin1StringView("symmetric"),
        QLatin1StringView("trailing"),       QLatin1StringView("true"),
        QLatin1StringView("variadic"),       QLatin1StringView("window"),
    };
    if (name.size() < 2 || name.size() > 14)
        return false;
    for (QLatin1StringView word : words) {
        if (name.size() == word.size() && equalsNoCase(name, word))
            return true;
    }
    return false;
}

bool caseSensitiveCollation(const QString &collation)
{
    const QString upper = collation.toUpper();
    return upper.contains(QStringLiteral("_CS")) || upper.endsWith(QStringLiteral("_BIN"))
        || upper.endsWith(QStringLiteral("_BIN2"));
}

QString unquoted(QString name)
{
    if (name.size() >= 2 && name.front() == u'"' && name.back() == u'"')
        name = name.mid(1, name.size() - 2).replace(QStringLiteral("\"\""), QStringLiteral("\""));
    return name;
}

int declaredLength(const SqlType &type)
{
    bool sized = false;
    const int length = type.arguments.value(0).toInt(&sized);
    return sized ? length : 0;
}

} // namespace

QString PostgresDialect::quoteIdentifier(QStringView name) const
{
    return u'"' + name.toString().toLower().replace(u'"', QStringLiteral("\"\"")) + u'"';
}

bool PostgresDialect::quotesPlainName(QStringView name) const
{
    return reservedInPostgres(name);
}

QString PostgresDialect::schemaOf(const ObjectName &name) const
{
    if (name.isTemporary())
        return QStringLiteral("pg_temp");
    if (equalsNoCase(name.database, QLatin1StringView("kvsystem")))
        return quoteIfNeeded(m_systemSchema);
    return name.database.isEmpty() ? QString() : quoteIfNeeded(name.database);
}

QString PostgresDialect::rowIdentity() const
{
    return QStringLiteral("ctid");
}

QString PostgresDialect::parameterPlaceholder(int number) const
{
    return u'$' + QString::number(number);
}

QString PostgresDialect::limitClause(const QString &count) const
{
    return QStringLiteral(" LIMIT ") + count;
}

QString PostgresDialect::concatOperator() const
{
    return QStringLiteral("||");
}

QString PostgresDialect::objectIdExpression(const ObjectName &name) const
{
    return QStringLiteral("to_regclass(%1)").arg(sqlText(objectName(name)));
}

QString PostgresDialect::systemVariable(QStringView lowerName) const
{
    if (lowerName == u"@@identity")
        return QStringLiteral("lastval()");
    return QString();
}

bool PostgresDialect::mapsFunction(QStringView lowerName) const
{
    return findMappedFunction(mappedFunctions(), lowerName) != nullptr;
}

bool PostgresDialect::mapFunction(QStringView lowerName, const QStringList &arguments, QString &out,
                                  QString &sMsg) const
{
    return writeMappedCall(mappedFunctions(), lowerName, arguments, out, sMsg);
}

QString PostgresDialect::likelyCondition(const QString &condition) const
{
    return condition;
}

QString PostgresDialect::storageType(const SqlType &type)
{
    const QString &name = type.name;
    if (name == u"int")
        return QStringLiteral("integer");
    if (name == u"bigint")
        return QStringLiteral("bigint");
    if (name == u"smallint" || name == u"tinyint" || name == u"bit")
        return QStringLiteral("smallint");
    if (name == u"float")
        return QStringLiteral("double precision");
    if (name == u"real")
        return QStringLiteral("real");
    if (name == u"money" || name == u"smallmoney")
        return QStringLiteral("numeric(19,4)");
    if (name == u"decimal" || name == u"numeric")
        return type.arguments.isEmpty()
            ? QStringLiteral("numeric(18,0)")
            : QStringLiteral("numeric(%1)").arg(type.arguments.join(u','));
    if (name == u"binary" || name == u"varbinary" || name == u"image")
        return QStringLiteral("bytea");
    if (name == u"date")
        return QStringLiteral("date");
    if (type.isDateTime())
        return QStringLiteral("timestamp(3)");
    return QStringLiteral("citext");
}

QString PostgresDialect::declarationComment(const QString &name, const SqlType &type)
{
    return name + u' ' + type.declaration();
}

QString PostgresDialect::castExpression(const QString &expression, const SqlType &type) const
{
    const int length = declaredLength(type);
    // A cast to nvarchar(10) cuts the text as SQL Server's does, and stays case-insensitive.
    if (type.isText() && length > 0)
        return QStringLiteral("cast(cast(%1 as varchar(%2)) as citext)")
            .arg(expression)
            .arg(length);
    return QStringLiteral("cast(%1 as %2)").arg(expression, storageType(type));
}

bool PostgresDialect::convertExpression(const SqlType &type, const QString &expression, int style,
                                        QString &out, QString &sMsg) const
{
    if (!type.isText()) {
        out = castExpression(expression, type);
        return true;
    }
    const QString format = styleFormat(style);
    if (style >= 0 && format.isEmpty()) {
        sMsg = QStringLiteral("CONVERT style %1 is not supported").arg(style);
        return false;
    }
    if (format.isEmpty()) {
        out = castExpression(expression, type);
        return true;
    }
    out = QStringLiteral("to_char(%1, '%2')").arg(timestampOf(expression), format);
    // CONVERT(varchar(10), date, 120) keeps the date part: the target length cuts the text.
    if (const int length = declaredLength(type); length > 0)
        out = QStringLiteral("left(%1, %2)").arg(out).arg(length);
    out = QStringLiteral("(%1)::citext").arg(out);
    return true;
}

QString PostgresDialect::columnDefinition(const ColumnDefinition &column) const
{
    const bool caseSensitive = column.type.isText() && caseSensitiveCollation(column.collation);
    const int length = declaredLength(column.type);
    QString text = column.name + u' ';
    if (caseSensitive)
        text += length > 0 ? QStringLiteral("varchar(%1)").arg(length) : QStringLiteral("text");
    else
        text += storageType(column.type);
    if (column.identity) {
        text += QStringLiteral(" GENERATED BY DEFAULT AS IDENTITY (START WITH %1 INCREMENT BY %2)")
                    .arg(column.identitySeed)
                    .arg(column.identityIncrement);
    }
    if (column.primaryKey)
        text += QStringLiteral(" PRIMARY KEY");
    if (column.notNull)
        text += QStringLiteral(" NOT NULL");
    else if (column.explicitNull && !column.primaryKey)
        text += QStringLiteral(" NULL");
    if (column.unique)
        text += QStringLiteral(" UNIQUE");
    if (!column.defaultValue.isEmpty())
        text += QStringLiteral(" DEFAULT (") + column.defaultValue + u')';
    // Too long a text fails as on SQL Server, where citext itself would take any length.
    if (column.type.isText() && !caseSensitive && length > 0)
        text += QStringLiteral(" CHECK (char_length(%1) <= %2)").arg(column.name).arg(length);
    for (const QString &constraint : column.otherConstraints)
        text += u' ' + constraint;
    return text;
}

QStringList PostgresDialect::afterCreateTable(const ObjectName &table,
                                              const QList<ColumnDefinition> &columns) const
{
    QStringList statements;
    for (const ColumnDefinition &column : columns) {
        statements.append(QStringLiteral("COMMENT ON COLUMN %1.%2 IS %3")
                              .arg(objectName(table), column.name,
                                   sqlText(declarationComment(column.declaredName, column.type))));
    }
    return statements;
}

// Index names are the schema's on PostgreSQL, the table's on SQL Server: two tables may each
// have an index IX_Code, so the table's name leads the index's.
QString PostgresDialect::indexIdentifier(const QString &indexName, const ObjectName &table) const
{
    QString base = table.object;
    base.remove(u'#');
    return quoteIdentifier(base + u'_' + unquoted(indexName));
}

QString PostgresDialect::createIndex(bool unique, const QString &indexName, const ObjectName &table,
                                     const QString &columns) const
{
    return QStringLiteral("CREATE %1INDEX %2 ON %3(%4)")
        .arg(unique ? QStringLiteral("UNIQUE ") : QString(), indexIdentifier(indexName, table),
             objectName(table), columns);
}

QString PostgresDialect::dropIndex(const QString &indexName, const ObjectName &table) const
{
    const QString schema = schemaOf(table);
    const QString index = indexIdentifier(indexName, table);
    return QStringLiteral("DROP INDEX ") + (schema.isEmpty() ? index : schema + u'.' + index);
}

// SQL Server's TRUNCATE starts the identity again from its seed.
QString PostgresDialect::truncateTable(const ObjectName &table) const
{
    return QStringLiteral("TRUNCATE TABLE %1 RESTART IDENTITY").arg(objectName(table));
}

} // namespace suite::tsql

#include "suite/data/tsql/SqliteDialect.h"

#include "suite/data/tsql/MappedFunction.h"
#include "suite/data/tsql/SqlLexer.h"
#include "suite/data/tsql/SqliteFullText.h"

#include <array>

namespace suite::tsql {

namespace {

const QString kDateTimeFormat = QStringLiteral("'%Y-%m-%d %H:%M:%f'");

bool renamed(const QString &name, const QStringList &arguments, QString &out)
{
    out = functionCall(name, arguments);
    return true;
}

// SQL Server's date parts by all their spellings, as SQLite modifier units.
QString dateUnit(const QString &part)
{
    const QString p = part.toLower();
    if (p == u"year" || p == u"yy" || p == u"yyyy")
        return QStringLiteral("years");
    if (p == u"month" || p == u"mm" || p == u"m")
        return QStringLiteral("months");
    if (p == u"day" || p == u"dd" || p == u"d" || p == u"dayofyear" || p == u"dy" || p == u"y")
        return QStringLiteral("days");
    if (p == u"week" || p == u"wk" || p == u"ww")
        return QStringLiteral("weeks");
    if (p == u"hour" || p == u"hh")
        return QStringLiteral("hours");
    if (p == u"minute" || p == u"mi" || p == u"n")
        return QStringLiteral("minutes");
    if (p == u"second" || p == u"ss" || p == u"s")
        return QStringLiteral("seconds");
    return QString();
}

QString yearOf(const QString &date)
{
    return QStringLiteral("cast(strftime('%Y', %1) as integer)").arg(date);
}

QString monthOf(const QString &date)
{
    return QStringLiteral("cast(strftime('%m', %1) as integer)").arg(date);
}

// DATEDIFF counts the boundaries crossed, so both dates are cut to the unit first.
QString boundaryDifference(const QString &format, const QString &from, const QString &to,
                           int perDay)
{
    return QStringLiteral("cast(round((julianday(strftime('%1', %3)) - julianday(strftime('%1', "
                          "%2))) * %4) as integer)")
        .arg(format, from, to)
        .arg(perDay);
}

bool dateDiff(const QStringList &a, QString &out, QString &sMsg)
{
    const QString unit = dateUnit(a[0]);
    if (unit == u"years") {
        out = u'(' + yearOf(a[2]) + QStringLiteral(" - ") + yearOf(a[1]) + u')';
    } else if (unit == u"months") {
        out = QStringLiteral("((%1 - %2) * 12 + %3 - %4)")
                  .arg(yearOf(a[2]), yearOf(a[1]), monthOf(a[2]), monthOf(a[1]));
    } else if (unit == u"days") {
        out = boundaryDifference(QStringLiteral("%Y-%m-%d"), a[1], a[2], 1);
    } else if (unit == u"weeks") {
        out = QStringLiteral("(%1 / 7)")
                  .arg(boundaryDifference(QStringLiteral("%Y-%m-%d"), a[1], a[2], 1));
    } else if (unit == u"hours") {
        out = boundaryDifference(QStringLiteral("%Y-%m-%d %H:00:00"), a[1], a[2], 24);
    } else if (unit == u"minutes") {
        out = boundaryDifference(QStringLiteral("%Y-%m-%d %H:%M:00"), a[1], a[2], 1440);
    } else if (unit == u"seconds") {
        out = boundaryDifference(QStringLiteral("%Y-%m-%d %H:%M:%S"), a[1], a[2], 86400);
    } else {
        sMsg = QStringLiteral("the date part %1 of DATEDIFF is not supported").arg(a[0]);
        return false;
    }
    return true;
}

bool dateAdd(const QStringList &a, QString &out, QString &sMsg)
{
    QString unit = dateUnit(a[0]);
    QString amount = a[1];
    if (unit.isEmpty()) {
        sMsg = QStringLiteral("the date part %1 of DATEADD is not supported").arg(a[0]);
        return false;
    }
    if (unit == u"weeks") {
        unit = QStringLiteral("days");
        amount = QStringLiteral("(%1) * 7").arg(amount);
    }
    out =
        QStringLiteral("strftime(%1, %2, (%3) || ' %4')").arg(kDateTimeFormat, a[2], amount, unit);
    return true;
}

// Position counting from a start position, as CHARINDEX's third argument asks.
bool charIndex(const QStringList &a, QString &out, QString &)
{
    if (a.size() == 2) {
        out = QStringLiteral("instr(%1, %2)").arg(a[1], a[0]);
        return true;
    }
    out = QStringLiteral("(case when instr(substr(%1, %3), %2) > 0 then instr(substr(%1, %3), %2) "
                         "+ (%3) - 1 else 0 end)")
              .arg(a[1], a[0], a[2]);
    return true;
}

QString newGuid()
{
    return QStringLiteral("(hex(randomblob(4)) || '-' || hex(randomblob(2)) || '-' || "
                          "hex(randomblob(2)) || '-' || hex(randomblob(2)) || '-' || "
                          "hex(randomblob(6)))");
}

const QList<MappedFunction> &mappedFunctions()
{
    static const QList<MappedFunction> functions = {
        { QLatin1StringView("isnull"), 2, 2,
          [](const QStringList &a, QString &out, QString &) {
              return renamed(QStringLiteral("ifnull"), a, out);
          } },
        { QLatin1StringView("getdate"), 0, 0,
          [](const QStringList &, QString &out, QString &) {
              out = QStringLiteral("strftime(%1, 'now', 'localtime')").arg(kDateTimeFormat);
              return true;
          } },
        { QLatin1StringView("getutcdate"), 0, 0,
          [](const QStringList &, QString &out, QString &) {
              out = QStringLiteral("strftime(%1, 'now')").arg(kDateTimeFormat);
              return true;
          } },
        { QLatin1StringView("newid"), 0, 0,
          [](const QStringList &, QString &out, QString &) {
              out = newGuid();
              return true;
          } },
        // LEN ignores trailing blanks.
        { QLatin1StringView("len"), 1, 1,
          [](const QStringList &a, QString &out, QString &) {
              out = QStringLiteral("length(rtrim(%1, ' '))").arg(a[0]);
              return true;
          } },
        { QLatin1StringView("datalength"), 1, 1,
          [](const QStringList &a, QString &out, QString &) {
              out = QStringLiteral("length(cast(%1 as blob))").arg(a[0]);
              return true;
          } },
        { QLatin1StringView("substring"), 3, 3,
          [](const QStringList &a, QString &out, QString &) {
              return renamed(QStringLiteral("substr"), a, out);
          } },
        { QLatin1StringView("left"), 2, 2,
          [](const QStringList &a, QString &out, QString &) {
              out = QStringLiteral("substr(%1, 1, %2)").arg(a[0], a[1]);
              return true;
          } },
        { QLatin1StringView("right"), 2, 2,
          [](const QStringList &a, QString &out, QString &) {
              out = QStringLiteral("(case when (%2) > 0 then substr(%1, -(%2)) else '' end)")
                        .arg(a[0], a[1]);
              return true;
          } },
        { QLatin1StringView("charindex"), 2, 3, charIndex },
        // Written by the dialect itself, with the statistics it was given.
        { QLatin1StringView("contains"), 2, 2, nullptr },
        { QLatin1StringView("datediff"), 3, 3, dateDiff },
        { QLatin1StringView("dateadd"), 3, 3, dateAdd },
        { QLatin1StringView("year"), 1, 1,
          [](const QStringList &a, QString &out, QString &) {
              out = yearOf(a[0]);
              return true;
          } },
        { QLatin1StringView("month"), 1, 1,
          [](const QStringList &a, QString &out, QString &) {
              out = monthOf(a[0]);
              return true;
          } },
        { QLatin1StringView("day"), 1, 1,
          [](const QStringList &a, QString &out, QString &) {
              out = QStringLiteral("cast(strftime('%d', %1) as integer)").arg(a[0]);
              return true;
          } },
        { QLatin1StringView("space"), 1, 1,
          [](const QStringList &a, QString &out, QString &) {
              out = QStringLiteral("substr(printf('%*s', %1, ''), 1, %1)").arg(a[0]);
              return true;
          } },
    };
    return functions;
}

// strftime formats of the CONVERT styles the suite's texts use.
QString styleFormat(int style)
{
    switch (style) {
    case 20:
    case 120:
        return QStringLiteral("%Y-%m-%d %H:%M:%S");
    case 21:
    case 121:
        return QStringLiteral("%Y-%m-%d %H:%M:%f");
    case 23:
        return QStringLiteral("%Y-%m-%d");
    case 102:
        return QStringLiteral("%Y.%m.%d");
    case 108:
        return QStringLiteral("%H:%M:%S");
    case 111:
        return QStringLiteral("%Y/%m/%d");
    case 112:
        return QStringLiteral("%Y%m%d");
    default:
        return QString();
    }
}

QString storageType(const SqlType &type)
{
    static const QStringList integers = { QStringLiteral("int"), QStringLiteral("bigint"),
                                          QStringLiteral("smallint"), QStringLiteral("tinyint"),
                                          QStringLiteral("bit") };
    static const QStringList reals = { QStringLiteral("float"), QStringLiteral("real") };
    static const QStringList binaries = { QStringLiteral("binary"), QStringLiteral("varbinary"),
                                          QStringLiteral("image") };
    if (integers.contains(type.name))
        return QStringLiteral("integer");
    if (reals.contains(type.name))
        return QStringLiteral("real");
    if (binaries.contains(type.name))
        return QStringLiteral("blob");
    if (type.name == u"decimal" || type.name == u"numeric" || type.name == u"money"
        || type.name == u"smallmoney") {
        return QStringLiteral("numeric");
    }
    // Dates stay text: a numeric cast would read '2024-01-31' as 2024.
    return QStringLiteral("text");
}

// Words SQLite reserves that SQL Server lets a column be called without brackets.
constexpr QLatin1StringView kReservedInSqlite[] = {
    QLatin1StringView("limit"),  QLatin1StringView("notnull"),       QLatin1StringView("returning"),
    QLatin1StringView("using"),  QLatin1StringView("autoincrement"), QLatin1StringView("glob"),
    QLatin1StringView("regexp"), QLatin1StringView("match"),         QLatin1StringView("escape"),
    QLatin1StringView("isnull"),
};

constexpr int kLongestReserved = 13;

// For each first letter, the lengths of the reserved words it starts as bits: every name of a
// statement is asked about, and this rules out nearly all of them without a comparison.
constexpr std::array<quint16, 26> kReservedLengths = [] {
    std::array<quint16, 26> lengths{};
    for (QLatin1StringView word : kReservedInSqlite)
        lengths[size_t(word.front().toLatin1() - 'a')] |= quint16(1u << word.size());
    return lengths;
}();

bool reservedInSqlite(QStringView name)
{
    if (name.isEmpty() || name.size() > kLongestReserved)
        return false;
    const char16_t first = char16_t(name.front().unicode() | 0x20);
    if (first < u'a' || first > u'z' || !(kReservedLengths[first - u'a'] & (1u << name.size())))
        return false;
    for (QLatin1StringView word : kReservedInSqlite) {
        if (name.size() == word.size() && equalsNoCase(name, word))
            return true;
    }
    return false;
}

QString sqlText(const QString &text)
{
    return u'\'' + QString(text).replace(u'\'', QStringLiteral("''")) + u'\'';
}

bool caseSensitiveCollation(const QString &collation)
{
    const QString upper = collation.toUpper();
    return upper.contains(QStringLiteral("_CS")) || upper.endsWith(QStringLiteral("_BIN"))
        || upper.endsWith(QStringLiteral("_BIN2"));
}

} // namespace

QString SqliteDialect::quoteIdentifier(QStringView name) const
{
    return u'"' + name.toString().replace(u'"', QStringLiteral("\"\"")) + u'"';
}

bool SqliteDialect::quotesPlainName(QStringView name) const
{
    return reservedInSqlite(name);
}

QString SqliteDialect::schemaOf(const ObjectName &name) const
{
    if (name.isTemporary())
        return QStringLiteral("temp");
    return name.database.isEmpty() ? QString() : quoteIfNeeded(name.database);
}

QString SqliteDialect::rowIdentity() const
{
    return QStringLiteral("rowid");
}

QString SqliteDialect::parameterPlaceholder(int number) const
{
    return u'?' + QString::number(number);
}

QString SqliteDialect::limitClause(const QString &count) const
{
    return QStringLiteral(" LIMIT ") + count;
}

QString SqliteDialect::concatOperator() const
{
    return QStringLiteral("||");
}

QString SqliteDialect::objectIdExpression(const ObjectName &name) const
{
    QString catalogue = QStringLiteral("sqlite_master");
    if (name.isTemporary())
        catalogue = QStringLiteral("sqlite_temp_master");
    else if (!name.database.isEmpty())
        catalogue = quoteIfNeeded(name.database) + QStringLiteral(".sqlite_master");
    return QStringLiteral("(select 1 from %1 where type in ('table', 'view') and name = %2 "
                          "collate nocase)")
        .arg(catalogue, sqlText(name.object));
}

QString SqliteDialect::systemVariable(QStringView lowerName) const
{
    if (lowerName == u"@@identity")
        return QStringLiteral("last_insert_rowid()");
    return QString();
}

bool SqliteDialect::mapsFunction(QStringView lowerName) const
{
    return findMappedFunction(mappedFunctions(), lowerName) != nullptr;
}

bool SqliteDialect::mapFunction(QStringView lowerName, const QStringList &arguments, QString &out,
                                QString &sMsg) const
{
    // CONTAINS needs the dialect's full-text statistics, which the table's writers lack.
    if (lowerName == u"contains") {
        const MappedFunction *contains = findMappedFunction(mappedFunctions(), lowerName);
        return takesArguments(*contains, lowerName, arguments.size(), sMsg)
            && sqliteContains(arguments, m_fullText, out, sMsg);
    }
    return writeMappedCall(mappedFunctions(), lowerName, arguments, out, sMsg);
}

QString SqliteDialect::likelyCondition(const QString &condition) const
{
    return QStringLiteral("likely(") + condition + u')';
}

QString SqliteDialect::castExpression(const QString &expression, const SqlType &type) const
{
    return QStringLiteral("cast(%1 as %2)").arg(expression, storageType(type));
}

bool SqliteDialect::convertExpression(const SqlType &type, const QString &expression, int style,
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
    out = format.isEmpty() ? castExpression(expression, type)
                           : QStringLiteral("strftime('%1', %2)").arg(format, expression);
    bool sized = false;
    const int length = type.arguments.value(0).toInt(&sized);
    // CONVERT(varchar(10), date, 120) keeps the date part: the target length cuts the text.
    if (sized && length > 0)
        out = QStringLiteral("substr(%1, 1, %2)").arg(out).arg(length);
    return true;
}

QString SqliteDialect::columnDefinition(const ColumnDefinition &column) const
{
    const bool rowIdKey = column.identity && column.primaryKey;
    SqlType declared = column.type;
    if (declared.arguments.size() == 1 && declared.arguments.first().toLower() == u"max")
        declared.arguments.clear();
    QString text = column.name + u' ';
    text += rowIdKey ? QStringLiteral("integer PRIMARY KEY AUTOINCREMENT") : declared.declaration();
    if (column.primaryKey && !rowIdKey)
        text += QStringLiteral(" PRIMARY KEY");
    // An identity column is filled after the insert, so it must accept the insert's null.
    if (column.notNull && !column.identity)
        text += QStringLiteral(" NOT NULL");
    else if (column.explicitNull)
        text += QStringLiteral(" NULL");
    if (column.unique)
        text += QStringLiteral(" UNIQUE");
    if (!column.defaultValue.isEmpty())
        text += QStringLiteral(" DEFAULT (") + column.defaultValue + u')';
    if (column.type.isText())
        text += caseSensitiveCollation(column.collation) ? QStringLiteral(" COLLATE BINARY")
                                                         : QStringLiteral(" COLLATE NOCASE");
    // Registered by every connection of the product: dates compare as points in time.
    else if (column.type.isDateTime())
        text += QStringLiteral(" COLLATE TSQLDATE");
    for (const QString &constraint : column.otherConstraints)
        text += u' ' + constraint;
    return text;
}

// SQLite numbers only an INTEGER PRIMARY KEY by itself; any other identity column takes the
// new row's rowid through a trigger, which keeps it ascending like SQL Server's.
QStringList SqliteDialect::afterCreateTable(const ObjectName &table,
                                            const QList<ColumnDefinition> &columns) const
{
    QStringList statements;
    for (const ColumnDefinition &column : columns) {
        if (!column.identity || column.primaryKey)
            continue;
        const QString schema = schemaOf(table);
        QString baseName = table.object;
        baseName.remove(u'#');
        const QString triggerName = quoteIdentifier(
            baseName + u'_' + column.name.toLower().remove(u'"') + QStringLiteral("_identity"));
        const QString tableName = quoteIfNeeded(table.object);
        statements.append(
            QStringLiteral("CREATE TRIGGER %1 AFTER INSERT ON %2 FOR EACH ROW WHEN NEW.%3 IS NULL "
                           "BEGIN UPDATE %2 SET %3 = %4 + (NEW.rowid - 1) * %5 WHERE rowid = "
                           "NEW.rowid; END")
                .arg(schema.isEmpty() ? triggerName : schema + u'.' + triggerName, tableName,
                     column.name)
                .arg(column.identitySeed)
                .arg(column.identityIncrement));
    }
    return statements;
}

QString SqliteDialect::createIndex(bool unique, const QString &indexName, const ObjectName &table,
                                   const QString &columns) const
{
    const QString schema = schemaOf(table);
    return QStringLiteral("CREATE %1INDEX %2 ON %3(%4)")
        .arg(unique ? QStringLiteral("UNIQUE ") : QString(),
             schema.isEmpty() ? indexName : schema + u'.' + indexName, quoteIfNeeded(table.object),
             columns);
}

QString SqliteDialect::dropIndex(const QString &indexName, const ObjectName &table) const
{
    const QString schema = schemaOf(table);
    return QStringLiteral("DROP INDEX ")
        + (schema.isEmpty() ? indexName : schema + u'.' + indexName);
}

QString SqliteDialect::truncateTable(const ObjectName &table) const
{
    return QStringLiteral("DELETE FROM ") + objectName(table);
}

} // namespace suite::tsql

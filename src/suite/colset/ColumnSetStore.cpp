#include "suite/colset/ColumnSetStore.h"

#include "suite/core/SqlQuote.h"
#include "suite/data/IClsCommon.h"

#include <QRegularExpression>

#include <algorithm>
#include <utility>

namespace suite {

namespace {

QString bit(bool value)
{
    return value ? QStringLiteral("1") : QStringLiteral("0");
}

QString rowOf(const QString &userId, const QString &key)
{
    return QStringLiteral("cUser_Id=%1 and cKey=%2").arg(sqlUnicode(userId), sqlUnicode(key));
}

QString insertOf(const QString &userId, const QString &key, const Column &column)
{
    return QStringLiteral("insert into AA_ColumnSet (cUser_Id,cKey,cFieldName,cCaption,"
                          "cOrgCaption,bShow,iWidth,iOrder,cSort,bMustInput,bFixed) values "
                          "(%1,%2,%3,%4,%5,%6,%7,%8,%9,%10,%11)")
        .arg(sqlUnicode(userId), sqlUnicode(key), sqlUnicode(column.field),
             sqlUnicode(column.caption), sqlUnicode(column.originalCaption), bit(column.visible),
             QString::number(column.width), QString::number(column.order), sqlUnicode(column.sort))
        .arg(bit(column.mustInput), bit(column.fixed));
}

Column columnOfRow(const RecordSet &rows)
{
    Column column;
    column.field = rows.Value(QStringLiteral("cFieldName")).toString();
    column.caption = rows.Value(QStringLiteral("cCaption")).toString();
    column.originalCaption = rows.Value(QStringLiteral("cOrgCaption")).toString();
    column.visible = rows.Value(QStringLiteral("bShow")).toInt() != 0;
    column.width = rows.Value(QStringLiteral("iWidth")).toInt();
    column.order = rows.Value(QStringLiteral("iOrder")).toInt();
    column.sort = rows.Value(QStringLiteral("cSort")).toString();
    column.mustInput = rows.Value(QStringLiteral("bMustInput")).toInt() != 0;
    column.fixed = rows.Value(QStringLiteral("bFixed")).toInt() != 0;
    return column;
}

} // namespace

ColumnSetStore::ColumnSetStore(IClsCommon &service, QString accountId)
    : m_service(service)
    , m_accountId(std::move(accountId))
{ }

std::optional<QList<Column>> ColumnSetStore::read(const QString &userId, const QString &key,
                                                  QString &sMsg)
{
    RecordSet rows =
        m_service.OpenX(QStringLiteral("select * from AA_ColumnSet where ")
                        + rowOf(userId, key.toLower()) + QStringLiteral(" order by iOrder"));
    if (!rows.IsOpen()) {
        fail(QStringLiteral("read the column set"), sMsg);
        return std::nullopt;
    }
    if (rows.RecordCount() == 0)
        return std::nullopt;
    QList<Column> columns;
    for (rows.MoveFirst(); !rows.Eof(); rows.MoveNext())
        columns.append(columnOfRow(rows));
    return columns;
}

bool ColumnSetStore::write(const QString &userId, const QString &key, const QList<Column> &columns,
                           QString &sMsg)
{
    IConnection &connection = m_service.m_cnn();
    if (!connection.BeginTrans())
        return fail(QStringLiteral("start saving the column set"), sMsg);
    bool stored = m_service.ExecuteX(QStringLiteral("delete from AA_ColumnSet where ")
                                     + rowOf(userId, key.toLower()));
    for (int i = 0; stored && i < columns.size(); ++i)
        stored = m_service.ExecuteX(insertOf(userId, key.toLower(), columns.at(i)));
    if (stored && connection.CommitTrans())
        return true;
    fail(QStringLiteral("save the column set"), sMsg);
    connection.RollbackTrans();
    return false;
}

bool ColumnSetStore::withdraw(const QStringList &withdrawnFields, QString &sMsg)
{
    RecordSet fields =
        m_service.OpenX(QStringLiteral("select distinct cFieldName from AA_ColumnSet"));
    if (!fields.IsOpen())
        return fail(QStringLiteral("read the stored columns"), sMsg);
    for (fields.MoveFirst(); !fields.Eof(); fields.MoveNext()) {
        const QString field = fields.Value(0).toString();
        const bool withdrawn =
            std::any_of(withdrawnFields.cbegin(), withdrawnFields.cend(),
                        [&field](const QString &name) { return fieldMatches(field, name); });
        if (withdrawn && !deleteField(field, sMsg))
            return false;
    }
    return true;
}

QList<Column> ColumnSetStore::dictionary(const QString &key, QString &sMsg)
{
    static const QRegularExpression accountName(QStringLiteral("^[A-Za-z0-9]+$"));
    QList<Column> columns;
    if (!accountName.match(m_accountId).hasMatch()) {
        sMsg = QStringLiteral("The company database names no account, so it has no column "
                              "dictionary.");
        return columns;
    }
    RecordSet rows = m_service.OpenX(
        QStringLiteral("select cFieldName,cCaption,iOrder from KvMeta_%1..aa_columndic where "
                       "ckey=%2 order by iOrder")
            .arg(m_accountId, sqlUnicode(key)));
    if (!rows.IsOpen()) {
        fail(QStringLiteral("read the column dictionary"), sMsg);
        return columns;
    }
    for (rows.MoveFirst(); !rows.Eof(); rows.MoveNext()) {
        Column column;
        column.field = rows.Value(0).toString();
        column.caption = rows.Value(1).toString();
        column.originalCaption = column.caption;
        column.order = int(columns.size()) + 1;
        if (isFieldName(column.field))
            columns.append(column);
    }
    return columns;
}

bool ColumnSetStore::deleteField(const QString &field, QString &sMsg)
{
    if (m_service.ExecuteX(QStringLiteral("delete from AA_ColumnSet where cFieldName=")
                           + sqlUnicode(field)))
        return true;
    return fail(QStringLiteral("withdraw the column %1").arg(field), sMsg);
}

bool ColumnSetStore::fail(const QString &what, QString &sMsg)
{
    sMsg = QStringLiteral("Cannot %1: %2").arg(what, m_service.LastError());
    return false;
}

} // namespace suite

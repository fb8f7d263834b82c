#include "suite/data/CustomerMerge.h"

#include "suite/core/XmlDocument.h"
#include "suite/data/AtomicWrite.h"
#include "suite/data/CustomerCredit.h"
#include "suite/data/CustomerReferences.h"
#include "suite/data/DataBackend.h"
#include "suite/data/DeleteLogTable.h"

#include <algorithm>

namespace suite {

namespace {

// The code as stored, whatever the case it was typed in; empty when there is no such customer.
QString storedCode(SqlConnection &connection, const QString &code, QString &sMsg)
{
    const RecordSet row = connection.queryStatement(
        QStringLiteral("select cCusCode from Customer where cCusCode = ?"), { code }, sMsg);
    return row.RecordCount() > 0 ? row.valueAt(0, 0).toString() : QString();
}

bool isDigits(const QString &text)
{
    return !text.isEmpty()
        && std::all_of(text.begin(), text.end(), [](QChar c) { return c.isDigit(); });
}

} // namespace

CustomerMerge::CustomerMerge(DataBackend &backend)
    : m_backend(backend)
{ }

bool CustomerMerge::unite(const QString &requestXml, QString &sMsg)
{
    QString from;
    QString to;
    if (!readCodes(requestXml, from, to, sMsg))
        return false;
    AtomicWrite write(m_backend.connection(), QStringLiteral("Customer"));
    return write.begin(sMsg) && checkCodes(from, to, sMsg) && merge(from, to, sMsg)
        && write.commit(sMsg);
}

bool CustomerMerge::readCodes(const QString &requestXml, QString &from, QString &to, QString &sMsg)
{
    XmlDocument document;
    if (!document.loadXml(requestXml)) {
        sMsg = QStringLiteral("The merge request cannot be read: %1").arg(document.parseError());
        return false;
    }
    const XmlElement root = document.documentElement();
    from = root.firstChildElement(QStringLiteral("Code1")).text().trimmed();
    to = root.firstChildElement(QStringLiteral("Code2")).text().trimmed();
    if (from.isEmpty() || to.isEmpty()) {
        sMsg = QStringLiteral("The merge request must name two customers (Code1 and Code2).");
        return false;
    }
    return true;
}

bool CustomerMerge::checkCodes(QString &from, QString &to, QString &sMsg)
{
    SqlConnection &connection = m_backend.connection();
    for (QString *code : { &from, &to }) {
        QString error;
        const QString stored = storedCode(connection, *code, error);
        if (!error.isEmpty()) {
            sMsg = error;
            return false;
        }
        if (stored.isEmpty()) {
            sMsg = QStringLiteral("There is no customer with the code '%1' to merge.").arg(*code);
            return false;
        }
        *code = stored;
    }
    if (from == to) {
        sMsg = QStringLiteral("A customer cannot be merged into itself ('%1').").arg(from);
        return false;
    }
    return true;
}

// The log is written first, so that it keeps A's rows as they were before anything moved.
bool CustomerMerge::merge(const QString &from, const QString &to, QString &sMsg)
{
    CustomerReferences references(m_backend);
    DeleteLogTable log(m_backend);
    qint64 customers = 0;
    qint64 changed = 0;
    return log.keepCustomer(from, QStringLiteral("merged into %1").arg(to), sMsg)
        && references.move(from, to, sMsg) && takePicture(from, to, sMsg)
        && handOver(references, from, to, sMsg) && references.removeOwnRows(from, sMsg)
        && m_backend.connection().executeStatement(
            QStringLiteral("delete from Customer where cCusCode = ?"), { from }, sMsg)
        && CustomerCredit(m_backend).recompute(to, customers, changed, sMsg);
}

bool CustomerMerge::handOver(CustomerReferences &references, const QString &from, const QString &to,
                             QString &sMsg)
{
    for (const CustomerOwnRows &own : customerOwnRows()) {
        if (own.onMerge != CustomerOwnRows::OnMerge::Move || !references.exists(own.table))
            continue;
        if (!dropAlike(own, from, to, sMsg)
            || (own.table == u"CusDeliverAdd" && !renumberAddresses(from, to, sMsg))
            || !moveRows(own, from, to, sMsg))
            return false;
    }
    return m_backend.connection().executeStatement(
        QStringLiteral("update Customer set bIsCusAttachFile = 1 where cCusCode = ?1 and exists"
                       " (select 1 from AA_AttachFile where lower(cObject) = 'customer'"
                       " and cRecordId = ?1)"),
        { to }, sMsg);
}

// A row alike to one of the survivor's adds nothing.
bool CustomerMerge::dropAlike(const CustomerOwnRows &own, const QString &from, const QString &to,
                              QString &sMsg)
{
    if (own.alikeWhen.isEmpty())
        return true;
    QStringList alike;
    for (const QString &column : own.alikeWhen)
        alike.append(QStringLiteral("b.%1 is not distinct from %2.%1").arg(column, own.table));
    return m_backend.connection().executeStatement(
        QStringLiteral("delete from %1 where %2 and exists (select 1 from %1 b where b.%3 = ?2"
                       " and %4)")
            .arg(own.table, own.condition, own.codeColumn, alike.join(QStringLiteral(" and "))),
        { from, to }, sMsg);
}

// The moved rows keep the survivor's default rows as its defaults.
bool CustomerMerge::moveRows(const CustomerOwnRows &own, const QString &from, const QString &to,
                             QString &sMsg)
{
    SqlConnection &connection = m_backend.connection();
    TableColumns columns;
    QString noTable;
    m_backend.tableColumns(own.table, columns, noTable);
    const QString noDefault = columns.indexOf(QStringLiteral("bDefault")) >= 0
        ? QStringLiteral(", bDefault = 0")
        : QString();
    return connection.executeStatement(
        QStringLiteral("update %1 set %2 = ?2%3 where %4")
            .arg(own.table, own.codeColumn, noDefault, own.condition),
        { from, to }, sMsg);
}

// The merged addresses follow the survivor's highest numeric address code, in the width of
// the survivor's codes, so that no two addresses of the survivor share a code.
bool CustomerMerge::renumberAddresses(const QString &from, const QString &to, QString &sMsg)
{
    SqlConnection &connection = m_backend.connection();
    const RecordSet kept = connection.queryStatement(
        QStringLiteral("select cAddCode from CusDeliverAdd where cCusCode = ?"), { to }, sMsg);
    const RecordSet moving = connection.queryStatement(
        QStringLiteral("select AutoID, cAddCode from CusDeliverAdd where cCusCode = ?"
                       " order by cAddCode, AutoID"),
        { from }, sMsg);
    if (!kept.IsOpen() || !moving.IsOpen())
        return false;
    qint64 highest = 0;
    qsizetype width = 4;
    for (int row = 0; row < kept.RecordCount(); ++row) {
        const QString code = kept.valueAt(row, 0).toString().trimmed();
        if (isDigits(code)) {
            highest = qMax(highest, code.toLongLong());
            width = code.size();
        }
    }
    for (int row = 0; row < moving.RecordCount(); ++row) {
        const QString code = QStringLiteral("%1").arg(++highest, int(width), 10, QLatin1Char('0'));
        if (!connection.executeStatement(
                QStringLiteral("update CusDeliverAdd set cAddCode = ? where AutoID = ?"),
                { code, moving.valueAt(row, 0) }, sMsg))
            return false;
    }
    return true;
}

bool CustomerMerge::takePicture(const QString &from, const QString &to, QString &sMsg)
{
    return m_backend.connection().executeStatement(
        QStringLiteral("update Customer set PictureGUID = (select PictureGUID from Customer"
                       " where cCusCode = ?1) where cCusCode = ?2 and PictureGUID is null"),
        { from, to }, sMsg);
}

} // namespace suite

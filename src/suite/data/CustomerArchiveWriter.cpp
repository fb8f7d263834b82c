#include "suite/data/CustomerArchiveWriter.h"

#include "suite/core/XmlDocument.h"
#include "suite/data/AtomicWrite.h"
#include "suite/data/CustomerCredit.h"
#include "suite/data/CustomerMerge.h"
#include "suite/data/CustomerRecord.h"
#include "suite/data/CustomerReferences.h"
#include "suite/data/CustomerTradeName.h"
#include "suite/data/DataBackend.h"

#include <QUuid>

#include <algorithm>

namespace suite {

namespace {

const QString kCustomer = QStringLiteral("Customer");

QString vanished(const QString &code)
{
    return QStringLiteral("There is no customer with the code '%1': it may have been deleted "
                          "meanwhile.")
        .arg(code);
}

// Tabs and line breaks belong in remarks and addresses; any other control character in a
// customer's field is garbage that breaks printouts, exports and terminals.
bool isStrayControl(QChar c)
{
    const char16_t u = c.unicode();
    return (u < 0x20 && u != u'\t' && u != u'\n' && u != u'\r') || (u >= 0x7f && u <= 0x9f);
}

bool checkControlCharacters(const QString &columnsXml, QString &sMsg)
{
    XmlDocument document;
    if (!document.loadXml(columnsXml))
        return true;
    for (const XmlElement &element : document.documentElement().childElements()) {
        const QString text = element.text();
        const auto stray = std::find_if(text.begin(), text.end(), isStrayControl);
        if (stray != text.end()) {
            sMsg = QStringLiteral("<%1> of Customer holds the control character U+%2; a "
                                  "customer's fields take printable text only.")
                       .arg(element.name())
                       .arg(stray->unicode(), 4, 16, QLatin1Char('0'));
            return false;
        }
    }
    return true;
}

} // namespace

CustomerArchiveWriter::CustomerArchiveWriter(DataBackend &backend, RecordXmlWriter &writer)
    : m_backend(backend)
    , m_writer(writer)
{ }

bool CustomerArchiveWriter::handles(const QString &table)
{
    return table.trimmed().compare(kCustomer, Qt::CaseInsensitive) == 0;
}

bool CustomerArchiveWriter::checkRecord(const CustomerRecord &record, bool adding, QString &sMsg)
{
    if (!record.operating().isEmpty()) {
        sMsg = QStringLiteral("The customer archive has no operation '%1' here.")
                   .arg(record.operating());
        return false;
    }
    if (record.code().trimmed().isEmpty()) {
        sMsg = QStringLiteral("The customer code is empty: every customer needs a code.");
        return false;
    }
    if ((adding || record.hasAbbreviation()) && record.abbreviation().trimmed().isEmpty()) {
        sMsg = QStringLiteral("The abbreviation of the customer '%1' is empty: every customer "
                              "needs an abbreviation.")
                   .arg(record.code());
        return false;
    }
    return checkControlCharacters(record.columnsXml(), sMsg);
}

bool CustomerArchiveWriter::storedCode(const QString &code, QString &stored, QString &sMsg)
{
    const RecordSet row = m_backend.connection().queryStatement(
        QStringLiteral("select cCusCode from Customer where cCusCode = ?"), { code }, sMsg);
    if (!row.IsOpen())
        return false;
    stored = row.RecordCount() > 0 ? row.valueAt(0, 0).toString() : QString();
    return true;
}

bool CustomerArchiveWriter::add(const QString &xml, QString &sMsg,
                                const RecordXmlWriter::AlongWithInsert &alongWith)
{
    sMsg.clear();
    CustomerRecord record;
    if (!record.read(xml, sMsg) || !checkRecord(record, true, sMsg))
        return false;
    AtomicWrite write(m_backend.connection(), kCustomer);
    QString stored;
    if (!write.begin(sMsg) || !storedCode(record.code(), stored, sMsg))
        return false;
    if (!stored.isEmpty()) {
        sMsg = QStringLiteral("The customer code '%1' is already used by the customer '%2'.")
                   .arg(record.code(), stored);
        return false;
    }
    CustomerTradeName industry(m_backend);
    const auto details = [&](QString &reason) {
        return (!alongWith || alongWith(reason)) && writeDetails(record, record.code(), reason)
            && (!record.tradeCode() || industry.derive(record.code(), *record.tradeCode(), reason));
    };
    return m_writer.add(record.columnsXml(), kCustomer, sMsg, details) && write.commit(sMsg);
}

bool CustomerArchiveWriter::modify(const QString &xml, QString &sMsg)
{
    sMsg.clear();
    CustomerRecord record;
    if (!record.read(xml, sMsg))
        return false;
    if (record.operating().compare(QLatin1String("Credit"), Qt::CaseInsensitive) == 0)
        return recomputeCredit(sMsg);
    if (record.operating().compare(QLatin1String("Unite"), Qt::CaseInsensitive) == 0)
        return CustomerMerge(m_backend).unite(xml, sMsg);
    if (!checkRecord(record, false, sMsg))
        return false;
    AtomicWrite write(m_backend.connection(), kCustomer);
    QString code;
    if (!write.begin(sMsg) || !storedCode(record.code(), code, sMsg))
        return false;
    if (code.isEmpty()) {
        sMsg = vanished(record.code());
        return false;
    }
    CustomerTradeName industry(m_backend);
    const bool tradeClassGiven = record.tradeCode().has_value();
    return (!tradeClassGiven || industry.readBefore(code, sMsg))
        && m_writer.modify(record.columnsXml(), kCustomer, sMsg) && writeDetails(record, code, sMsg)
        && (!tradeClassGiven || industry.derive(code, *record.tradeCode(), sMsg))
        && write.commit(sMsg);
}

bool CustomerArchiveWriter::remove(const QVariant &id, const QString &idName, QString &sMsg)
{
    sMsg.clear();
    if (idName.compare(QLatin1String("cCusCode"), Qt::CaseInsensitive) != 0) {
        sMsg = QStringLiteral("Customers are deleted by their code (cCusCode), not by %1.")
                   .arg(idName);
        return false;
    }
    const QString given = id.toString();
    if (given.trimmed().isEmpty()) {
        sMsg = QStringLiteral("The customer code is empty: say which customer to delete.");
        return false;
    }
    AtomicWrite write(m_backend.connection(), kCustomer);
    QString code;
    if (!write.begin(sMsg) || !storedCode(given, code, sMsg))
        return false;
    if (code.isEmpty()) {
        sMsg = vanished(given);
        return false;
    }
    CustomerReferences references(m_backend);
    QStringList uses;
    if (!references.usesOf(code, uses, sMsg))
        return false;
    if (!uses.isEmpty()) {
        sMsg = QStringLiteral("The customer '%1' is still in use and is not deleted: %2.")
                   .arg(code, uses.join(QStringLiteral("; ")));
        return false;
    }
    return references.removeOwnRows(code, sMsg)
        && m_backend.connection().executeStatement(
            QStringLiteral("delete from Customer where cCusCode = ?"), { code }, sMsg)
        && write.commit(sMsg);
}

bool CustomerArchiveWriter::recomputeCredit(QString &sMsg)
{
    AtomicWrite write(m_backend.connection(), kCustomer);
    qint64 customers = 0;
    qint64 changed = 0;
    if (!write.begin(sMsg)
        || !CustomerCredit(m_backend).recompute(QString(), customers, changed, sMsg)
        || !write.commit(sMsg)) {
        return false;
    }
    sMsg = QStringLiteral("Credit recomputed for %1 customers; %2 of them updated.")
               .arg(customers)
               .arg(changed);
    return true;
}

bool CustomerArchiveWriter::writeDetails(const CustomerRecord &record, const QString &code,
                                         QString &sMsg)
{
    CustomerSubRecordWriter subRecords(m_backend);
    for (const CustomerSubRows &rows : record.subRecords()) {
        if (!subRecords.replace(code, rows, sMsg))
            return false;
    }
    return (!record.ownAddressFromDeliveries() || takeOwnAddress(code, sMsg))
        && (!record.picture() || writePicture(record, code, sMsg))
        && (record.contactCode().isEmpty() || linkContact(record.contactCode(), code, sMsg));
}

// The stored picture is replaced, not changed in place, so a picture another record was copied
// from stays as it is.
bool CustomerArchiveWriter::writePicture(const CustomerRecord &record, const QString &code,
                                         QString &sMsg)
{
    SqlConnection &connection = m_backend.connection();
    const QString guid = QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper();
    return connection.executeStatement(
               QStringLiteral("delete from AA_Picture where cGUID in"
                              " (select PictureGUID from Customer where cCusCode = ?)"),
               { code }, sMsg)
        && connection.executeStatement(
            QStringLiteral(
                "insert into AA_Picture (cGUID, Picture, cPictureType) values (?, ?, ?)"),
            { guid, record.picture()->data, record.picture()->type }, sMsg)
        && connection.executeStatement(
            QStringLiteral("update Customer set PictureGUID = ? where cCusCode = ?"),
            { guid, code }, sMsg);
}

// The card names the contact by the code its reference returned; a name that is no contact
// (as the import transfer may give) links nothing.
bool CustomerArchiveWriter::linkContact(const QString &contact, const QString &code, QString &sMsg)
{
    TableColumns columns;
    QString noTable;
    if (!m_backend.tableColumns(QStringLiteral("Crm_Contact"), columns, noTable))
        return true;
    SqlConnection &connection = m_backend.connection();
    const RecordSet found = connection.queryStatement(
        QStringLiteral("select OID from Crm_Contact where OID = ? or ID = ? or cContactCode = ?"
                       " order by OID limit 1"),
        { contact, contact, contact }, sMsg);
    if (!found.IsOpen())
        return false;
    if (found.RecordCount() == 0)
        return true;
    const QString oid = found.valueAt(0, 0).toString();
    return connection.executeStatement(
               QStringLiteral("update Customer set cCusContactCode = ? where cCusCode = ?"),
               { oid, code }, sMsg)
        && connection.executeStatement(
            QStringLiteral("update Crm_Contact set cCusCode = ? where OID = ?"
                           " and coalesce(cCusCode, '') = ''"),
            { code, oid }, sMsg);
}

// The customer keeps the delivery address of its address GUID as its own; when none of the
// addresses has it, the default address becomes its own.
bool CustomerArchiveWriter::takeOwnAddress(const QString &code, QString &sMsg)
{
    SqlConnection &connection = m_backend.connection();
    return connection.executeStatement(
               QStringLiteral("update Customer set cCusAddressGUID = (select d.cCusAddressGUID"
                              " from CusDeliverAdd d where d.cCusCode = Customer.cCusCode"
                              " order by d.bDefault desc, d.AutoID limit 1)"
                              " where cCusCode = ? and not exists (select 1 from CusDeliverAdd d"
                              " where d.cCusCode = Customer.cCusCode"
                              " and d.cCusAddressGUID = Customer.cCusAddressGUID)"),
               { code }, sMsg)
        && connection.executeStatement(
            QStringLiteral("update Customer set cCusAddress = (select d.cDeliverAdd"
                           " from CusDeliverAdd d where d.cCusCode = Customer.cCusCode"
                           " and d.cCusAddressGUID = Customer.cCusAddressGUID)"
                           " where cCusCode = ?"),
            { code }, sMsg);
}

} // namespace suite

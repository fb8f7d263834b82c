#include "suite/data/CustomerRecord.h"

#include "suite/core/XmlDocument.h"

#include <algorithm>

namespace suite {

namespace {

bool sameName(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

XmlElement childNamed(const XmlElement &parent, const QString &name)
{
    for (const XmlElement &child : parent.childElements()) {
        if (sameName(child.name(), name))
            return child;
    }
    return XmlElement();
}

QString attributeNamed(const XmlElement &element, const QString &name)
{
    for (const auto &[attribute, value] : element.attributes()) {
        if (sameName(attribute, name))
            return value;
    }
    return QString();
}

void removeAttributesNamed(XmlElement &element, const QStringList &names)
{
    for (const auto &attribute : element.attributes()) {
        if (names.contains(attribute.first, Qt::CaseInsensitive))
            element.removeAttribute(attribute.first);
    }
}

void setColumn(XmlElement &root, const QString &column, const QString &value)
{
    XmlElement element = childNamed(root, column);
    if (element.isNull())
        element = root.appendElement(column);
    element.setText(value);
}

bool holdsFields(const XmlElement &element)
{
    return !element.attributes().isEmpty() || !element.childElements().isEmpty();
}

SubRecordValues fieldsOf(const XmlElement &row)
{
    SubRecordValues fields = row.attributes();
    for (const XmlElement &child : row.childElements())
        fields.append({ child.name(), child.text() });
    return fields;
}

// The root of the fragment a carrier holds, or null when the carrier holds plain text.
XmlElement fragmentOf(const XmlElement &carrier, const CustomerSubTable &table)
{
    if (sameName(carrier.name(), table.fragmentRoot))
        return carrier;
    const QList<XmlElement> children = carrier.childElements();
    if (children.isEmpty())
        return XmlElement();
    if (children.size() == 1 && sameName(children.front().name(), table.fragmentRoot))
        return children.front();
    return carrier;
}

// The rows of a fragment: the children of its Rows element as the dialogs write them, or the
// row elements of the root as in the rights list the card builds, which ends with the marker
// btextdata once it is complete. nullopt for a fragment that holds only the parameters the card
// handed to its dialog: the stored rows stay as they are.
std::optional<QList<SubRecordValues>> rowsOf(const XmlElement &fragment)
{
    const XmlElement container = childNamed(fragment, QStringLiteral("Rows"));
    QList<SubRecordValues> rows;
    for (const XmlElement &child : (container.isNull() ? fragment : container).childElements()) {
        if (holdsFields(child))
            rows.append(fieldsOf(child));
    }
    if (container.isNull() && rows.isEmpty()
        && childNamed(fragment, QStringLiteral("btextdata")).isNull()) {
        return std::nullopt;
    }
    return rows;
}

} // namespace

bool CustomerRecord::read(const QString &xml, QString &sMsg)
{
    XmlDocument document;
    if (!document.loadXml(xml)) {
        sMsg =
            QStringLiteral("The customer record XML cannot be read: %1").arg(document.parseError());
        return false;
    }
    XmlElement root = document.documentElement();
    if (!sameName(root.name(), QStringLiteral("Customer"))) {
        sMsg = QStringLiteral("The customer record XML has the root <%1>, not <Customer>.")
                   .arg(root.name());
        return false;
    }
    m_operating = attributeNamed(root, QStringLiteral("Operating")).trimmed();
    m_contactCode = attributeNamed(root, QStringLiteral("cCusPersonCode")).trimmed();
    removeAttributesNamed(root,
                          { QStringLiteral("bManualChangeCode"), QStringLiteral("cCusPersonCode"),
                            QStringLiteral("bLtcFlag"), QStringLiteral("bTranLtc") });
    m_code = childNamed(root, QStringLiteral("cCusCode")).text();
    const XmlElement abbreviation = childNamed(root, QStringLiteral("cCusAbbName"));
    m_hasAbbreviation = !abbreviation.isNull();
    m_abbreviation = abbreviation.text();
    // The session user the card names has no column; cModifyPerson records who saved.
    while (XmlElement user = childNamed(root, QStringLiteral("cUserId")))
        root.removeChild(user);
    takeTradeClass(root);
    if (!readPicture(root, sMsg))
        return false;
    takeSubRecords(root);
    dropRepeatedElements(root);
    m_columnsXml = root.xml();
    return true;
}

// The industry follows the trade class, so the cTrade the record gives beside it is not kept.
void CustomerRecord::takeTradeClass(const XmlElement &root)
{
    const XmlElement tradeClass = childNamed(root, QStringLiteral("cCusTradeCCode"));
    if (tradeClass.isNull())
        return;
    m_tradeCode = tradeClass.text().trimmed();
    XmlElement record = root;
    while (XmlElement industry = childNamed(record, QStringLiteral("cTrade")))
        record.removeChild(industry);
}

bool CustomerRecord::readPicture(const XmlElement &root, QString &sMsg)
{
    const XmlElement data = childNamed(root, QStringLiteral("PictureGUID"));
    const XmlElement type = childNamed(root, QStringLiteral("cPictureType"));
    const XmlElement copy = childNamed(root, QStringLiteral("bCopy"));
    QByteArray text = data.text().toLatin1();
    text.removeIf([](char c) { return QChar::isSpace(uchar(c)); });
    if (!text.isEmpty()) {
        const auto decoded =
            QByteArray::fromBase64Encoding(text, QByteArray::AbortOnBase64DecodingErrors);
        if (!decoded) {
            sMsg = QStringLiteral("The picture of the customer record is not base64 data.");
            return false;
        }
        m_picture = Picture{ *decoded, type.text().trimmed() };
    }
    XmlElement parent = root;
    for (const XmlElement &element : { data, type, copy }) {
        if (!element.isNull())
            parent.removeChild(element);
    }
    return true;
}

void CustomerRecord::takeSubRecords(const XmlElement &root)
{
    XmlElement record = root;
    for (const CustomerSubTable &table : customerSubTables()) {
        const XmlElement carrier = childNamed(record, table.carrier);
        if (carrier.isNull())
            continue;
        // The card writes an empty carrier for a dialog the user did not open.
        if (carrier.childElements().isEmpty() && carrier.text().trimmed().isEmpty()) {
            record.removeChild(carrier);
            continue;
        }
        const XmlElement fragment = fragmentOf(carrier, table);
        if (fragment.isNull())
            continue;
        const std::optional<QList<SubRecordValues>> rows = rowsOf(fragment);
        record.removeChild(carrier);
        if (!rows)
            continue;
        const CustomerSubRows subRows{ &table, *rows };
        for (const auto &[column, rowColumn] : table.summary)
            setColumn(record, column, subRows.defaultRowValue(rowColumn));
        if (table.table == u"CusDeliverAdd" && !rows->isEmpty())
            takeOwnAddressElements(record);
        m_subRecords.append(subRows);
    }
}

// The card leaves the address and its GUID empty when the delivery addresses carry them.
void CustomerRecord::takeOwnAddressElements(const XmlElement &root)
{
    XmlElement record = root;
    const XmlElement address = childNamed(record, QStringLiteral("cCusAddress"));
    const XmlElement guid = childNamed(record, QStringLiteral("cCusAddressGUID"));
    if (address.isNull() || guid.isNull() || !address.text().isEmpty() || !guid.text().isEmpty())
        return;
    record.removeChild(address);
    record.removeChild(guid);
    m_ownAddressFromDeliveries = true;
}

// The card writes dCusGSPEDate twice, with one value.
void CustomerRecord::dropRepeatedElements(const XmlElement &root)
{
    XmlElement record = root;
    QList<XmlElement> seen;
    for (const XmlElement &element : root.childElements()) {
        const bool repeated = element.childElements().isEmpty()
            && std::any_of(seen.cbegin(), seen.cend(), [&](const XmlElement &earlier) {
                                  return sameName(earlier.name(), element.name())
                                      && earlier.childElements().isEmpty()
                                      && earlier.text() == element.text();
                              });
        if (repeated)
            record.removeChild(element);
        else
            seen.append(element);
    }
}

} // namespace suite

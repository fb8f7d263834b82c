#pragma once

#include "suite/data/CustomerSubRecords.h"

#include <QList>
#include <QString>

#include <optional>

namespace suite {

class XmlElement;

// The customer record XML as the card and the import transfer write it, taken apart for the
// data service:
//
//     <Customer bCreateBillNum='1' bManualChangeCode='0' cCusPersonCode='LXR01'>
//         <CCusCode>..</CCusCode> .. <cCusBank>text or bank fragment</cCusBank>
//         <cCusOAddress>text or address fragment</cCusOAddress> .. user-defined fields ..
//         <cusinvoicecorp>..</cusinvoicecorp><cusstuff>..</cusstuff><cusprivilege>..
//         </cusprivilege> .. <bCopy>0</bCopy><PictureGUID bXML='False'>base64</PictureGUID>
//         <cPictureType >jpg</cPictureType><bIsCusAttachFile>1</bIsCusAttachFile></Customer>
//
// What is left for the columns of Customer and Customer_extradefine is a record XML of plain
// elements; the sub-record fragments, the picture and the contact come apart. An empty carrier
// of a fragment (<cCusBank></cCusBank>, as the card writes it for a dialog not opened) means
// "unchanged": it neither clears the column nor touches the sub-records.
class CustomerRecord
{
public:
    struct Picture
    {
        QByteArray data;
        QString type;
    };

    bool read(const QString &xml, QString &sMsg);

    // The root's Operating attribute: empty for a record.
    QString operating() const { return m_operating; }
    // The customer code; a record without a code element gives an empty one.
    QString code() const { return m_code; }
    bool hasAbbreviation() const { return m_hasAbbreviation; }
    QString abbreviation() const { return m_abbreviation; }
    // The record for the columns, element per column.
    QString columnsXml() const { return m_columnsXml; }
    const QList<CustomerSubRows> &subRecords() const { return m_subRecords; }
    const std::optional<Picture> &picture() const { return m_picture; }
    // The contact the card names (its OID, ID or code); empty when none.
    QString contactCode() const { return m_contactCode; }
    // The trade class the record names, when it names one; the industry is derived from it.
    const std::optional<QString> &tradeCode() const { return m_tradeCode; }
    // The card leaves the customer's own address empty when the delivery addresses carry it:
    // it is then the delivery address of the stored address GUID.
    bool ownAddressFromDeliveries() const { return m_ownAddressFromDeliveries; }

private:
    void takeTradeClass(const XmlElement &root);
    bool readPicture(const XmlElement &root, QString &sMsg);
    void takeSubRecords(const XmlElement &root);
    void takeOwnAddressElements(const XmlElement &root);
    void dropRepeatedElements(const XmlElement &root);

    QString m_operating;
    QString m_code;
    bool m_hasAbbreviation = false;
    QString m_abbreviation;
    QString m_columnsXml;
    QList<CustomerSubRows> m_subRecords;
    std::optional<Picture> m_picture;
    QString m_contactCode;
    std::optional<QString> m_tradeCode;
    bool m_ownAddressFromDeliveries = false;
};

} // namespace suite

#pragma once

#include "card/CardFields.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

namespace suite {
class IClsCommon;
class RecordSet;
} // namespace suite

namespace customer {

// What the customer record XML takes besides the card's controls: the card's state and kept
// fragments, the session, and the services it asks.
struct CardRecordInputs
{
    // The picture control's write operation: true when the record must carry a picture, with
    // its data and type.
    using PictureWriter =
        std::function<bool(const suite::RecordSet &stored, bool web, QString &data, QString &type)>;

    int state = 1; // 1 add, 2 modify
    bool autoCode = false; // codes come from the numbering rule
    bool codeTyped = false; // the user typed the code by hand
    QString addressXml; // from the delivery-address dialog
    QString bankXml; // from the bank dialog
    QString invoiceXml;
    QString personXml;
    QString rightsXml;
    QString userDefinedXml; // the user-defined-field control's record fragment
    QString attachmentXml; // the attachment control's fragment for "customer"
    PictureWriter writePicture;
    bool web = false;
    QString userName;
    QString userId;
    QString sessionServerTime; // the creation time of a new customer
    std::function<QString()> serverTimeNow; // the modification time, read while writing
    bool autoMnemonicCode = false;
    std::shared_ptr<suite::IClsCommon> service;
    // Fields of column-rights level N, lower case: the record carries no element for them.
    QStringList unreadableFields;

    // The session's user, times, web flag, mnemonic option and data service; the modification
    // time is fetched through the session's public service.
    static CardRecordInputs fromSession();
};

// One element: "<name>value</name>". The value is escaped for element text, so that a value
// such as "R&D" keeps the record readable; a value without '&', '<' and '>' is written as is.
void AppendElement(const QString &name, const QString &value, QString &sXML);

// The server time read now through the session's public service; the session's server time
// follows it.
QString fetchSessionServerTime();

// The customer record XML the data service's Add and Modify take: root "Customer" with the
// numbering attributes, one element per field in the archive's fixed order, the kept dialog
// fragments, the picture and the attachments.
class CardRecordXml
{
public:
    CardRecordXml(CardFields &fields, const CardRecordInputs &inputs);

    // The whole record. An empty department is filled from the salesperson first, on the card
    // as well. Fields the user may not read have no element, so their stored values stay.
    QString WriteXML();

private:
    static void appendFragment(const QString &name, const QString &fragment, QString &xml);
    QString withoutUnreadableElements(const QString &xml) const;
    QString startTag() const;
    QString mnemonicCode() const;
    void appendAddress(QString &xml) const;
    QString addressGuid(const QString &address) const;
    QString storedAddressGuid() const;
    QString newGuid() const;
    QString departmentFromSalesperson();
    void appendAudit(QString &xml) const;
    QString costGrade() const;
    void appendPicture(QString &xml) const;
    QString code() const;

    CardFields &m_fields;
    const CardRecordInputs &m_inputs;
};

} // namespace customer

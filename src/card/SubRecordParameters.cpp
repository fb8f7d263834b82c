#include "card/SubRecordParameters.h"

#include "suite/card/ICusBank.h"
#include "suite/card/ICusDimension.h"
#include "suite/card/ICusInvoiceCorp.h"
#include "suite/card/ICusPerson.h"
#include "suite/card/IDeliverAdd.h"

namespace customer {

namespace {

QString escaped(const QString &value)
{
    return value.toHtmlEscaped();
}

QString rightsCondition(const QString &condition)
{
    QString text = condition;
    return escaped(text.replace(QStringLiteral("<>"), QStringLiteral("!=")));
}

QString invoiceXml(const SubRecordParameters &p)
{
    return QStringLiteral("<cusinvoicecorp> <ccuscode>") + escaped(p.code)
        + QStringLiteral("</ccuscode><RW>") + QString::number(p.right)
        + QStringLiteral("</RW><RowAuthCusR>") + rightsCondition(p.readRights)
        + QStringLiteral("</RowAuthCusR><RowAuthCusW>") + rightsCondition(p.writeRights)
        + QStringLiteral("</RowAuthCusW><url>") + escaped(p.url)
        + QStringLiteral("</url></cusinvoicecorp>");
}

// The person and privilege dialogs take the same parameters under their own root.
QString codeRightUrlXml(const QString &root, const SubRecordParameters &p)
{
    return u'<' + root + QStringLiteral("> <ccuscode>") + escaped(p.code)
        + QStringLiteral("</ccuscode><RW>") + QString::number(p.right)
        + QStringLiteral("</RW><url>") + escaped(p.url) + QStringLiteral("</url></") + root + u'>';
}

QString addressXml(const SubRecordParameters &p)
{
    return QStringLiteral("<addr><ccuscode>") + escaped(p.code) + QStringLiteral("</ccuscode><rw>")
        + QString::number(p.right) + QStringLiteral("</rw><url>") + escaped(p.url)
        + QStringLiteral("</url></addr>");
}

QString bankXml(const SubRecordParameters &p)
{
    return QStringLiteral("<Bank><cCusCode>") + escaped(p.code)
        + QStringLiteral("</cCusCode><cCusName>") + escaped(p.name)
        + QStringLiteral("</cCusName><RW>") + QString::number(p.right)
        + QStringLiteral("</RW><url>") + escaped(p.url) + QStringLiteral("</url></Bank>");
}

} // namespace

std::optional<SubRecordDialog> subRecordDialogOfKey(const QString &key)
{
    const QString command = key.toLower();
    if (command == u"invoice")
        return SubRecordDialog::Invoice;
    if (command == u"person")
        return SubRecordDialog::Person;
    if (command == u"privilege")
        return SubRecordDialog::Privilege;
    if (command == u"cusaddress")
        return SubRecordDialog::Address;
    if (command == u"cusbank")
        return SubRecordDialog::Bank;
    return std::nullopt;
}

QString subRecordProgId(SubRecordDialog dialog)
{
    switch (dialog) {
    case SubRecordDialog::Invoice:
        return QString::fromLatin1(suite::ICusInvoiceCorp::kProgId);
    case SubRecordDialog::Person:
        return QString::fromLatin1(suite::ICusPerson::kProgId);
    case SubRecordDialog::Privilege:
        return QString::fromLatin1(suite::ICusDimension::kProgId);
    case SubRecordDialog::Address:
        return QString::fromLatin1(suite::IDeliverAdd::kProgId);
    case SubRecordDialog::Bank:
        return QString::fromLatin1(suite::ICusBank::kProgId);
    }
    return {};
}

QString subRecordParameterXml(SubRecordDialog dialog, const SubRecordParameters &parameters)
{
    switch (dialog) {
    case SubRecordDialog::Invoice:
        return invoiceXml(parameters);
    case SubRecordDialog::Person:
        return codeRightUrlXml(QStringLiteral("cusstuff"), parameters);
    case SubRecordDialog::Privilege:
        return codeRightUrlXml(QStringLiteral("cusprivilege"), parameters);
    case SubRecordDialog::Address:
        return addressXml(parameters);
    case SubRecordDialog::Bank:
        return bankXml(parameters);
    }
    return {};
}

} // namespace customer

#include "card/CardSetupRules.h"

#include "suite/core/XmlDocument.h"
#include "suite/data/RecordSet.h"

namespace customer {

namespace {

QString element(const QString &name, const QString &value)
{
    return QStringLiteral("<%1>%2</%1>").arg(name, value);
}

bool marksMandatory(const suite::XmlElement &node)
{
    for (const auto &[name, value] : node.attributes()) {
        if (name.compare(u"bMustInput", Qt::CaseInsensitive) == 0) {
            const QString flag = value.trimmed().toLower();
            return flag == u"true" || flag == u"1";
        }
    }
    return false;
}

QString fieldOf(const suite::XmlElement &node)
{
    for (const auto &[name, value] : node.attributes()) {
        if (name.compare(u"cFld", Qt::CaseInsensitive) == 0 && !value.isEmpty())
            return value;
    }
    const QString name = node.name();
    return name.mid(name.lastIndexOf(u'.') + 1);
}

void collectMandatory(const suite::XmlElement &parent, QStringList &fields)
{
    for (const suite::XmlElement &child : parent.childElements()) {
        if (marksMandatory(child))
            fields.append(fieldOf(child));
        collectMandatory(child, fields);
    }
}

} // namespace

QString cardContextXml(const CardContext &context)
{
    return QStringLiteral("<Customer>") + element(QStringLiteral("g_cUserName"), context.userName)
        + element(QStringLiteral("KvDbName"), context.dbName)
        + element(QStringLiteral("g_CurDate"), context.curDate)
        + element(QStringLiteral("g_DbSrvDate"), context.srvDate)
        + element(QStringLiteral("g_iPriceDecDgt"), context.priceDecimals)
        + element(QStringLiteral("g_sRowAuthDept"), context.rowAuthDept)
        + element(QStringLiteral("g_sRowAuthPerson"), context.rowAuthPerson)
        + element(QStringLiteral("g_sRowAuthInv"), context.rowAuthInv)
        + element(QStringLiteral("HelpContextId"), context.helpContextId)
        + element(QStringLiteral("hwnd"), context.hwnd)
        + element(QStringLiteral("url"), context.url)
        + element(QStringLiteral("bweb"), context.web ? QStringLiteral("1") : QStringLiteral("0"))
        + QStringLiteral("</Customer>");
}

QString numberingContextXml(const NumberingContext &context)
{
    return QStringLiteral("<Customer>") + element(QStringLiteral("ccusname"), context.name)
        + element(QStringLiteral("ccusabbname"), context.abbName)
        + element(QStringLiteral("ccccode"), context.classCode)
        + element(QStringLiteral("cdccode"), context.districtCode)
        + element(QStringLiteral("customerkcode"), context.rankCode)
        + element(QStringLiteral("ccusmngtypecode"), context.mngTypeCode)
        + element(QStringLiteral("dmodifydate"), context.modifyDate)
        + element(QStringLiteral("cmodifyperson"), context.modifyPerson)
        + QStringLiteral("</Customer>");
}

bool mandatoryFields(const QString &colInfoXml, QStringList &fields)
{
    suite::XmlDocument document;
    if (!document.loadXml(colInfoXml))
        return false;
    fields.clear();
    const suite::XmlElement root = document.documentElement();
    if (marksMandatory(root))
        fields.append(fieldOf(root));
    collectMandatory(root, fields);
    return true;
}

QHash<QString, int> textColumnSizes(const suite::RecordSet &columns)
{
    QHash<QString, int> sizes;
    for (const suite::Field &field : columns.Fields()) {
        if (suite::typeFamily(field.type) == suite::TypeFamily::Text && field.definedSize > 0
            && field.definedSize < suite::kLongTextSize)
            sizes.insert(field.name.toLower(), field.definedSize);
    }
    return sizes;
}

} // namespace customer

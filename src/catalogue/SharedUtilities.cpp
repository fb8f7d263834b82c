#include "catalogue/SharedUtilities.h"

#include "entry/SessionContext.h"
#include "suite/core/SqlQuote.h"
#include "suite/core/XmlDocument.h"
#include "suite/data/IClsCommon.h"
#include "suite/data/RecordSet.h"
#include "suite/pub/IPub.h"

namespace customer {

namespace {

constexpr int kInformationIcon = 64;

QString lowerOrEmpty(const QVariant &value)
{
    return value.isNull() ? QString() : value.toString().toLower();
}

} // namespace

void ShowInfoMsg(const QString &text)
{
    if (!g_oPub)
        return;
    g_oPub->MsgBox(text, kInformationIcon,
                   g_oPub->GetResString(QStringLiteral("Tarn.AA.ARCHIVE.COMMON.information")));
}

QString GetXmlAttr(const suite::XmlElement &node, const QString &name, const QString &cDefault)
{
    if (node.isNull())
        return {};
    const QString lowerName = name.toLower();
    if (!node.hasAttribute(lowerName))
        return cDefault;
    return node.attribute(lowerName).trimmed();
}

QVariant IfNull(const QVariant &value, const QVariant &vDefault)
{
    return value.isNull() ? vDefault : value;
}

QString GetAccId()
{
    static const QString marker = QStringLiteral("catalog=kvdata_");
    const int found = g_cDBName.indexOf(marker, 0, Qt::CaseInsensitive);
    const int start = found < 0 ? 14 : found + marker.size();
    return g_cDBName.mid(start, 3);
}

bool AlwaysTrue(const QVariant &, const QVariant &, const QVariant &, const QVariant &)
{
    return true;
}

bool GetGsOption(const QString &cName)
{
    if (!g_oSrv)
        return false;
    const suite::RecordSet rs = g_oSrv->OpenX(
        QStringLiteral("select top 1 * from accinformation where csysid='GS' and cname='%1'")
            .arg(suite::sqlQuote(cName)));
    if (!rs.IsOpen() || rs.RecordCount() == 0)
        return false;
    const QString value = lowerOrEmpty(rs.Value(QStringLiteral("cValue")));
    if (!value.isEmpty())
        return value == u"true";
    const QString byDefault = lowerOrEmpty(rs.Value(QStringLiteral("cDefault")));
    return !byDefault.isEmpty() && byDefault != u"false";
}

} // namespace customer

#include "card/RelatedVendor.h"

#include "suite/core/SqlQuote.h"
#include "suite/data/IClsCommon.h"
#include "suite/pub/IPub.h"

#include <iterator>

namespace customer {

namespace {

// A yes/no question with the question icon.
constexpr int kYesNoQuestion = 36;
constexpr int kYes = 6;

struct VendorField
{
    int index;
    const char *column;
};

constexpr VendorField kVendorFields[] = {
    { 1, "cVenName" },     { 4, "cDCCode" },       { 6, "cVenTradeCCode" }, { 8, "cVenLPerson" },
    { 11, "cVenAddress" }, { 12, "cVenPostCode" }, { 13, "cVenPerson" },    { 14, "cVenEmail" },
    { 15, "cVenPhone" },   { 16, "cVenFax" },      { 18, "cVenHand" },
};

} // namespace

RelatedVendor::RelatedVendor(suite::IClsCommon &service, suite::IPub &pub)
    : m_service(service)
    , m_pub(pub)
{ }

QString RelatedVendor::statement(const QString &vendorCode)
{
    return QStringLiteral("select cVenName,cDCCode,cVenTradeCCode,cVenLPerson,cVenAddress,"
                          "cVenPostCode,cVenPerson,cVenPhone,cVenFax,cVenEmail,cVenHand from "
                          "vendor where cVenCode='")
        + suite::sqlQuote(vendorCode.trimmed()) + u'\'';
}

suite::RecordSet RelatedVendor::OpenVendorInfo(const QString &vendorCode)
{
    return m_service.OpenX(statement(vendorCode));
}

bool RelatedVendor::SyncVendorInfo(CardFields &card, const suite::RecordSet &vendor)
{
    if (!vendor.IsOpen() || vendor.RecordCount() == 0)
        return false;
    const int answer = m_pub.MsgBox(
        m_pub.GetResString(QStringLiteral("Tarn.AA.ARCHIVE.COMMON.Customer_SynchroVendorInfo")),
        kYesNoQuestion, m_pub.GetResString(QStringLiteral("Tarn.AA.ARCHIVE.COMMON.information")));
    if (answer != kYes)
        return false;
    for (int i = 0; i < int(std::size(kVendorFields)); ++i)
        card.setText(QStringLiteral("Edt"), kVendorFields[i].index,
                     vendor.Value(QLatin1StringView(kVendorFields[i].column)).toString());
    return true;
}

} // namespace customer

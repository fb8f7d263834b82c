#include "merge/CustomerUnite.h"

#include "batch/BatchGuards.h"
#include "entry/SessionContext.h"
#include "suite/core/SqlQuote.h"
#include "suite/core/XmlDocument.h"
#include "suite/data/IClsCommon.h"
#include "suite/pub/IPub.h"

namespace customer {

namespace {

const QString kArchive = QStringLiteral("Customer");
// The operation number of a merge in the archive log (the merge's lock task), and its state.
constexpr int kLogOperation = 3;
const QString kLogDone = QStringLiteral("1");

} // namespace

CustomerUnite::Input CustomerUnite::checkInput(const QString &code1, const QString &code2)
{
    if (code1.trimmed().isEmpty() || code2.trimmed().isEmpty())
        return Input::Empty;
    return code1 == code2 ? Input::Same : Input::Ready;
}

QString CustomerUnite::requestXml(const QString &code1, const QString &code2)
{
    return QStringLiteral("<Customer Operating ='Unite'><Code1>") + suite::escapeXmlText(code1)
        + QStringLiteral("</Code1><Code2>") + suite::escapeXmlText(code2)
        + QStringLiteral("</Code2></Customer>");
}

QString CustomerUnite::vendorLinkStatement(const QString &code1)
{
    return QStringLiteral("select top 1 cVenCode,cRelCustomer from vendor where cRelCustomer='")
        + suite::sqlQuote(code1) + u'\'';
}

std::optional<QString> CustomerUnite::linkedVendor(const QString &code1)
{
    if (!g_oSrv)
        return std::nullopt;
    const suite::RecordSet vendor = g_oSrv->OpenX(vendorLinkStatement(code1));
    if (!vendor.IsOpen() || vendor.RecordCount() != 1)
        return std::nullopt;
    return vendor.valueAt(0, 0).toString();
}

bool CustomerUnite::outsideRights(const QString &code)
{
    if (!g_oPub || !g_oSrv)
        return true;
    const suite::RecordSet found =
        g_oSrv->OpenX(QStringLiteral("select count(*) from Customer where cCusCode = ")
                      + suite::sqlUnicode(code));
    if (found.IsOpen() && found.valueAt(0, 0).toInt() == 0)
        return false;
    return !g_oPub->CheckAuthByCode(g_oSrv, g_oRowAuth, QStringLiteral("customer"), code,
                                    std::nullopt, QStringLiteral("W"));
}

bool CustomerUnite::run(const QString &code1, const QString &code2, QString &sMsg)
{
    if (!g_oSrv || !g_oPub) {
        sMsg = QStringLiteral("The data service is not open.");
        return false;
    }
    BatchTransaction transaction;
    if (!transaction.begin()) {
        sMsg = g_oSrv->LastError();
        return false;
    }
    if (!g_oSrv->Modify(requestXml(code1, code2), kArchive, sMsg))
        return false;
    QString user = g_cUserId;
    QString condition = QStringLiteral("cCusCode=") + suite::sqlUnicode(code1);
    if (!g_oPub->LogArch(g_oSrv, kArchive, kLogOperation, code1, user, kLogDone,
                         QStringLiteral("merged into ") + code2, condition)
        || !transaction.commit()) {
        sMsg = g_oSrv->LastError();
        return false;
    }
    return true;
}

} // namespace customer

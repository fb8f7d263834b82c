#include "app/ListExport.h"

#include "catalogue/SharedUtilities.h"
#include "entry/SessionContext.h"
#include "suite/print/PrintData.h"
#include "suite/print/PrintFileExport.h"
#include "suite/print/PrintStyle.h"
#include "suite/pub/IPub.h"

namespace host {

namespace {

const QString kArchive = QStringLiteral("Customer");
const QString kSaveFile = QStringLiteral("SaveFile");

bool readAllPages(ListRequest request, suite::PrintData &data, QString &sMsg)
{
    using namespace customer;
    const QString title = g_oPub->GetResString(QStringLiteral("Tarn.AA.ARCHIVE.customerarch"));
    request.pageSize = g_lMaxPageSize;
    for (request.page = 1;; ++request.page) {
        ListPage page;
        suite::PrintData pageData;
        QString sXML;
        if (!page.read(request, sMsg)
            || !g_oPub->GetPrnDataFile(true, sXML, QString(), QString(), title, GetAccId(),
                                       g_cUserId, g_cUserName, page.form(), g_oSrv, pageData))
            return false;
        if (request.page == 1)
            data = pageData;
        else
            data.rows += pageData.rows;
        if (request.page >= page.pageCount())
            return true;
    }
}

} // namespace

int ListExport::write(const ListRequest &request, const QString &fileName, QString &sMsg)
{
    using namespace customer;
    if (!g_oPub->GetPrintAuth(g_oSrv, g_oLogin, QStringLiteral("customer"), kSaveFile)) {
        sMsg =
            QStringLiteral("the user %1 may not print or export the customer list.").arg(g_cUserId);
        return -1;
    }
    suite::PrintData data;
    if (!readAllPages(request, data, sMsg))
        return -1;
    // An empty list still gives a file with its header, unlike the window's "nodata" stop:
    // a script that exports every night expects a file.
    suite::PrintStyle style;
    g_oPub->GetPrnStyleFile(true, QString(), kSaveFile, kArchive, g_oSrv, style);
    return suite::PrintFileExport::write(fileName, data, style.layout, sMsg);
}

} // namespace host

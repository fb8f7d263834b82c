#include "app/ListExport.h"

#include "catalogue/SharedUtilities.h"
#include "entry/SessionContext.h"
#include "list/ListPrintRows.h"
#include "suite/print/GridPrintTable.h"
#include "suite/print/PrintFileExport.h"
#include "suite/print/PrintStyle.h"
#include "suite/pub/IPub.h"

namespace host {

namespace {

const QString kArchive = QStringLiteral("Customer");
const QString kSaveFile = QStringLiteral("SaveFile");
const QStringList kRepeatedKeys{ QStringLiteral("cCusCode"), QStringLiteral("cCusName") };

// The list's pages as the export reads them, one at a time, through the list's own page read.
std::shared_ptr<customer::ListPrintRows> listRows(const ListRequest &request)
{
    return std::make_shared<customer::ListPrintRows>(
        [request](int page, int pageSize, suite::RecordSet &rows, int &pageCount, QString &sMsg) {
            ListRequest wanted = request;
            wanted.page = page;
            wanted.pageSize = pageSize;
            ListPage read;
            if (!read.read(wanted, sMsg, ListPage::Binding::RowsOnly))
                return false;
            rows = read.rows();
            pageCount = read.pageCount();
            return true;
        });
}

// The title, the user and the columns of the list as its first page lays them out.
bool describeList(const ListRequest &request, suite::PrintData &data, QString &sMsg)
{
    using namespace customer;
    ListRequest first = request;
    first.page = 1;
    first.pageSize = 1;
    ListPage page;
    if (!page.read(first, sMsg))
        return false;
    data.title = g_oPub->GetResString(QStringLiteral("Tarn.AA.ARCHIVE.customerarch"));
    data.accountId = GetAccId();
    data.userId = g_cUserId;
    data.userName = g_cUserName;
    data.columns = suite::GridPrintTable::columns(page.grid(), false, kRepeatedKeys);
    return true;
}

} // namespace

qint64 ListExport::write(const ListRequest &request, const QString &fileName,
                         const suite::PrintProgress &progress, QString &sMsg)
{
    using namespace customer;
    if (!g_oPub->GetPrintAuth(g_oSrv, g_oLogin, QStringLiteral("customer"), kSaveFile)) {
        sMsg =
            QStringLiteral("the user %1 may not print or export the customer list.").arg(g_cUserId);
        return -1;
    }
    suite::PrintData data;
    if (!describeList(request, data, sMsg))
        return -1;
    const std::shared_ptr<ListPrintRows> rows = listRows(request);
    if (!rows->start(data.columns, sMsg))
        return -1;
    data.rows = rows;
    // An empty list still gives a file with its header, unlike the window's "nodata" stop:
    // a script that exports every night expects a file.
    suite::PrintStyle style;
    g_oPub->GetPrnStyleFile(true, QString(), kSaveFile, kArchive, g_oSrv, style);
    return suite::PrintFileExport::write(fileName, data, style.layout, progress, sMsg);
}

} // namespace host

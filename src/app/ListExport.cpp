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

// The list as the export reads it, on the columns and statement that describeList chose:
// they are laid out once. Its first and last pages give the columns and the number of rows;
// the rows then come forward from one statement.
std::shared_ptr<customer::ListPrintRows> listRows(const std::shared_ptr<ListPage> &list)
{
    return std::make_shared<customer::ListPrintRows>(
        [list](int page, int pageSize, suite::RecordSet &rows, int &pageCount, QString &sMsg) {
            if (!list->readPage(page, pageSize, sMsg))
                return false;
            rows = list->rows();
            pageCount = list->pageCount();
            return true;
        },
        customer::ListPrintRows::kPageSize,
        [list](QString &sMsg) { return list->openForward(sMsg); });
}

// The title, the user and the columns of the list as its first page lays them out.
bool describeList(const ListRequest &request, ListPage &page, suite::PrintData &data, QString &sMsg)
{
    using namespace customer;
    ListRequest first = request;
    first.page = 1;
    first.pageSize = 1;
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
    const auto list = std::make_shared<ListPage>();
    if (!describeList(request, *list, data, sMsg))
        return -1;
    const std::shared_ptr<ListPrintRows> rows = listRows(list);
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

// The print members of the public service: who may print, the stored page styles, the print
// data of a list window and the export report.
#include "suite/pub/ClsPub.h"

#include "suite/controls/Grid.h"
#include "suite/core/ErrorLog.h"
#include "suite/data/IClsCommon.h"
#include "suite/login/ILogin.h"
#include "suite/login/IRowAuth.h"
#include "suite/print/GridPrintTable.h"
#include "suite/print/PrintData.h"
#include "suite/print/PrintRowsProvider.h"
#include "suite/pub/PrintStyleStore.h"

#include <QWidget>

namespace suite {

namespace {

const QString kSetUpKey = QStringLiteral("setup");
constexpr const char *kHelpCommandProperty = "helpCommand";
constexpr const char *kPrintNoProperty = "printNo";
// The fields a window wants on every page of a list printed across pages.
constexpr const char *kRepeatedKeysProperty = "printRepeatedKeys";

} // namespace

bool ClsPub::GetPrintAuth(const std::shared_ptr<IClsCommon> &,
                          const std::shared_ptr<ILogin> &oLogin, const QString &cObject,
                          const QString &)
{
    const std::shared_ptr<IRowAuth> rights = oLogin ? oLogin->RowAuth() : nullptr;
    if (!rights)
        return false;
    QString sErr;
    return rights->GetFunAuth(oLogin, cObject, 0, sErr, 0, QString(), 0);
}

bool ClsPub::GetPrnStyleFile(bool, const QString &, const QString &cKey, const QString &cObject,
                             const std::shared_ptr<IClsCommon> &oSrv, PrintStyle &style)
{
    std::optional<PrintStyle> stored;
    if (oSrv) {
        PrintStyleStore store(*oSrv);
        stored = store.read(cObject, cKey);
        if (!stored)
            stored = store.read(cObject, kSetUpKey);
    }
    style = stored.value_or(PrintStyle());
    style.key = cKey.toLower();
    return stored.has_value();
}

bool ClsPub::SavePrnStyle(const std::shared_ptr<IClsCommon> &oSrv, const QString &cObject,
                          const QString &cStyle)
{
    const std::optional<PrintStyle> style = PrintStyle::fromText(cStyle);
    QString sMsg = QStringLiteral("the print style '%1' does not read").arg(cStyle);
    if (style && oSrv && PrintStyleStore(*oSrv).save(cObject, *style, sMsg))
        return true;
    ErrorLog::instance().error(QStringLiteral("TarnPub.IPub.SavePrnStyle"), sMsg);
    return false;
}

bool ClsPub::GetPrnDataFile(bool, QString &, const QString &, const QString &,
                            const QString &cTitle, const QString &cAccId, const QString &cUserId,
                            const QString &cUserName, QWidget *printContext,
                            const std::shared_ptr<IClsCommon> &, PrintData &data)
{
    const Grid *grid =
        printContext ? printContext->findChild<Grid *>(QStringLiteral("Grid")) : nullptr;
    if (!grid)
        return false;
    data.title = cTitle;
    data.accountId = cAccId;
    data.userId = cUserId;
    data.userName = cUserName;
    const bool serialNumbers = printContext->property(kPrintNoProperty).toBool();
    const QStringList repeated = printContext->property(kRepeatedKeysProperty).toStringList();
    auto *provider = dynamic_cast<PrintRowsProvider *>(printContext);
    if (!provider) {
        GridPrintTable::fill(*grid, serialNumbers, repeated, data);
        return true;
    }
    data.columns = GridPrintTable::columns(*grid, serialNumbers, repeated);
    data.rows = provider->printRows(data.columns);
    return data.rows != nullptr;
}

void ClsPub::PrintMsg(const QString &, int iCount)
{
    inform(GetResFormatString(QStringLiteral("Tarn.AA.ARCHIVE.COMMON.exportcount"),
                              { QString::number(iCount) }));
}

void ClsPub::HelpHide(const QString &, QWidget *form, bool)
{
    if (form)
        form->setProperty(kHelpCommandProperty, QString());
}

} // namespace suite

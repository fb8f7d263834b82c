// The data interface of the entry classes: in web mode every call of the windows on the data
// service, the column-set service and the row-rights object reaches the host as an event.
#include "entry/ArchiveEntry.h"

#include "entry/ArchiveListWindow.h"
#include "entry/ClsCustomerEvents.h"
#include "entry/SessionContext.h"
#include "suite/controls/StatusBar.h"
#include "suite/controls/UpDown.h"
#include "suite/data/MnemonicCode.h"
#include "suite/data/tsql/StartingValues.h"
#include "suite/pub/IPub.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>

namespace customer {

namespace {

// The busy pointer for the length of one relayed read, whatever the answer.
class BusyPointer
{
public:
    BusyPointer()
        : m_active(qobject_cast<QGuiApplication *>(QCoreApplication::instance()) != nullptr)
    {
        if (m_active)
            QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ~BusyPointer()
    {
        if (m_active)
            QGuiApplication::restoreOverrideCursor();
    }
    BusyPointer(const BusyPointer &) = delete;
    BusyPointer &operator=(const BusyPointer &) = delete;

private:
    bool m_active;
};

// The host's transactions are its own: the instance has no connection to group requests on.
class NoConnection : public suite::IConnection
{
public:
    bool BeginTrans() override { return false; }
    bool CommitTrans() override { return false; }
    bool RollbackTrans() override { return false; }
};

const QString kNotRelayed = QStringLiteral("%1 is not available through the web data interface");

} // namespace

template<class Result, class Raise> Result ArchiveEntry::relayed(Raise raise)
{
    Result result{};
    if (m_events)
        raise(*m_events, result);
    CheckTimeOut();
    return result;
}

void ArchiveEntry::Init(const QString &) { }

bool ArchiveEntry::Status() const
{
    return true;
}

suite::RecordSet ArchiveEntry::OpenX(const QString &strSql)
{
    suite::RecordSet Rst;
    QString sMsg;
    {
        BusyPointer busy;
        if (m_events)
            m_events->EventOpenX(strSql, Rst, sMsg);
    }
    m_lastMessage = sMsg;
    CheckTimeOut();
    return Rst;
}

bool ArchiveEntry::OpenPage(const QString &strSql, int &lPageSize, int &lCurPage,
                            int &lMaxPageCount, suite::RecordSet &RsRef, QString &sMsg, bool &bFlag)
{
    return OpenPage(strSql, lPageSize, lCurPage, lMaxPageCount, RsRef, sMsg, bFlag, false);
}

bool ArchiveEntry::OpenPage(const QString &strSql, int &lPageSize, int &lCurPage,
                            int &lMaxPageCount, suite::RecordSet &RsRef, QString &sMsg, bool &bFlag,
                            bool bRef)
{
    return relayPage(strSql, lPageSize, lCurPage, lMaxPageCount, RsRef, sMsg, bFlag, bRef,
                     PageCount::Wait);
}

bool ArchiveEntry::OpenPageUncounted(const QString &strSql, int &lPageSize, int &lCurPage,
                                     int &lMaxPageCount, suite::RecordSet &RsRef, QString &sMsg,
                                     bool &bFlag)
{
    return relayPage(strSql, lPageSize, lCurPage, lMaxPageCount, RsRef, sMsg, bFlag, false,
                     PageCount::Later);
}

bool ArchiveEntry::relayPage(const QString &strSql, int &lPageSize, int &lCurPage,
                             int &lMaxPageCount, suite::RecordSet &RsRef, QString &sMsg,
                             bool &bFlag, bool bRef, PageCount count)
{
    BusyPointer busy;
    showLoadingStatus(true);
    if (!g_bIsWeb) {
        if (g_oSrv)
            RsRef = g_oSrv->OpenX(strSql);
    } else {
        const bool later = count == PageCount::Later;
        if (g_oSrv.get() == static_cast<suite::IClsCommon *>(this)) {
            if (m_events && later)
                m_events->EventOpenPageUncounted(strSql, lPageSize, lCurPage, lMaxPageCount, RsRef,
                                                 sMsg, bFlag);
            else if (m_events)
                m_events->EventOpenPage(strSql, lPageSize, lCurPage, lMaxPageCount, RsRef, sMsg,
                                        bFlag);
            CheckTimeOut();
        } else if (g_oSrv && later) {
            g_oSrv->OpenPageUncounted(strSql, lPageSize, lCurPage, lMaxPageCount, RsRef, sMsg,
                                      bFlag);
        } else if (g_oSrv) {
            g_oSrv->OpenPage(strSql, lPageSize, lCurPage, lMaxPageCount, RsRef, sMsg, bFlag);
        }
        if (!bRef)
            showPageNumbers(lCurPage, lMaxPageCount, RsRef.RecordCount() >= lPageSize);
    }
    showLoadingStatus(false);
    return RsRef.IsOpen();
}

void ArchiveEntry::CountPageLater(const QString &strSql, QObject *requester, PageCountDone done)
{
    if (g_oSrv.get() == static_cast<suite::IClsCommon *>(this)) {
        if (m_events)
            m_events->EventCountPageLater(strSql, requester, std::move(done));
    } else if (g_oSrv) {
        g_oSrv->CountPageLater(strSql, requester, std::move(done));
    }
}

void ArchiveEntry::showLoadingStatus(bool loading)
{
    ArchiveListWindow *window = FrmMain ? FrmMain.data() : m_frmList.data();
    if (!window || !g_oPub)
        return;
    if (loading) {
        window->Stb->setPanelText(
            1, g_oPub->GetResString(QStringLiteral("Tarn.AA.ARCHIVE.COMMON.loadingdata")));
    } else {
        window->Stb->setPanelText(1, window->Stb->panelTag(1));
    }
}

void ArchiveEntry::showPageNumbers(int lCurPage, int lMaxPageCount, bool pageFull)
{
    g_lPageCount = lMaxPageCount;
    ArchiveListWindow *window = FrmMain ? FrmMain.data() : m_frmList.data();
    if (lMaxPageCount < 0) {
        if (window)
            window->showPageNumbers(lCurPage, lMaxPageCount, pageFull);
        return;
    }
    g_aResArgs = QStringList{ QString::number(lMaxPageCount) };
    if (!window)
        return;
    window->EdtiCurPage->setText(QString::number(lCurPage));
    window->UpDown2->setMax(lMaxPageCount);
    const QString total = g_oPub
        ? g_oPub->GetResFormatString(QStringLiteral("Tarn.AA.ARCHIVE.BUTTON.sumpages"), g_aResArgs)
        : QString();
    window->EdtiCurPage->setToolTip(total);
    window->LblTotalPage->setText(total);
    window->EdtiCurPage->setText(QString::number(lCurPage));
    const bool severalPages = g_lPageCount > 1;
    window->LblPageEnabled(severalPages, severalPages);
}

bool ArchiveEntry::GetFunAuth(const std::shared_ptr<suite::ILogin> &oLogin, const QString &sArch,
                              int bIsLock, QString &sErr, int OptId, const QString &sAuth_Id,
                              int iYear)
{
    bool bFlag = false;
    if (m_events)
        m_events->EventGetFunAuth(oLogin, sArch, bIsLock, sErr, OptId, sAuth_Id, iYear, bFlag);
    return bFlag;
}

bool ArchiveEntry::relayRecordWrite(RecordWriteEvent event, const QString &sXML,
                                    const QString &tableName, QString &sMsg)
{
    QString valid = sXML;
    if (g_oPub)
        g_oPub->ConvertValidStr(valid);
    bool bErr = false;
    if (m_events)
        (m_events->*event)(valid, tableName, sMsg, bErr);
    m_lastMessage = sMsg;
    CheckTimeOut();
    return bErr;
}

bool ArchiveEntry::Add(const QString &sXML, const QString &tableName, QString &sMsg)
{
    return relayRecordWrite(&ClsCustomerEvents::EventAdd, sXML, tableName, sMsg);
}

bool ArchiveEntry::Modify(const QString &sXML, const QString &tableName, QString &sMsg)
{
    return relayRecordWrite(&ClsCustomerEvents::EventModify, sXML, tableName, sMsg);
}

bool ArchiveEntry::Delete(const QVariant &id, const QString &IDName, const QString &tableName,
                          QString &sMsg, const QString &cUserId)
{
    bool bErr = false;
    if (m_events)
        m_events->EventDelete(id, IDName, tableName, sMsg, cUserId, bErr);
    m_lastMessage = sMsg;
    CheckTimeOut();
    return bErr;
}

suite::RecordSet ArchiveEntry::Find(const QString &sXML, QStringList &FindTable,
                                    QStringList &ShowTable, QString &sMsg)
{
    return relayed<suite::RecordSet>([&](ClsCustomerEvents &host, suite::RecordSet &Rst) {
        host.EventFind(sXML, FindTable, ShowTable, sMsg, Rst);
    });
}

bool ArchiveEntry::ExecuteX(const QString &strSql)
{
    return relayed<bool>(
        [&](ClsCustomerEvents &host, bool &bFlag) { host.EventExecuteX(strSql, bFlag); });
}

suite::RecordSet ArchiveEntry::OpenWith(const QString &strSql, const QVariantHash &variables)
{
    return OpenX(suite::tsql::withStartingValues(strSql, variables));
}

bool ArchiveEntry::ExecuteWith(const QString &strSql, const QVariantHash &variables)
{
    return ExecuteX(suite::tsql::withStartingValues(strSql, variables));
}

bool ArchiveEntry::ExecPROCNew(const QString &cProc, const QVariantList &, QVariant &, int)
{
    m_lastMessage = kNotRelayed.arg(cProc);
    return false;
}

QString ArchiveEntry::GetMnemCode(const QString &cText)
{
    return suite::mnemonicCode(cText);
}

suite::IConnection &ArchiveEntry::m_cnn()
{
    static NoConnection none;
    return none;
}

QString ArchiveEntry::LastError() const
{
    return m_lastMessage;
}

bool ArchiveEntry::Init(const QString &, const QString &)
{
    return true;
}

bool ArchiveEntry::setCatalogue(const QString &, const QString &, QString &sMsg)
{
    sMsg = kNotRelayed.arg(QStringLiteral("setCatalogue"));
    return false;
}

// The host's column-set service keeps the columns; there is nothing to withdraw here.
void ArchiveEntry::MustCancelColumns(const QString &) { }

QString ArchiveEntry::getColInfo(const QString &cKey, int iReturnMode)
{
    return relayed<QString>([&](ClsCustomerEvents &host, QString &sXML) {
        host.EventGetColInfo(cKey, iReturnMode, sXML);
    });
}

suite::RecordSet ArchiveEntry::getColSet(const QString &cKey, int iReturnMode)
{
    return relayed<suite::RecordSet>([&](ClsCustomerEvents &host, suite::RecordSet &rs) {
        host.EventGetColSet(cKey, iReturnMode, rs);
    });
}

QString ArchiveEntry::GetSqlString(const QString &sXML)
{
    return relayed<QString>(
        [&](ClsCustomerEvents &host, QString &strSql) { host.EventGetSqlString(sXML, strSql); });
}

QString ArchiveEntry::GetOrderString(const QString &sXML)
{
    return relayed<QString>(
        [&](ClsCustomerEvents &host, QString &str) { host.EventGetOrderString(sXML, str); });
}

bool ArchiveEntry::Save(QString &sXML)
{
    return relayed<bool>(
        [&](ClsCustomerEvents &host, bool &bFlag) { host.EventSave(sXML, bFlag); });
}

int ArchiveEntry::iCols()
{
    return relayed<int>([&](ClsCustomerEvents &host, int &col) { host.EventiCols(col); });
}

int ArchiveEntry::GetFixedCols()
{
    return relayed<int>(
        [&](ClsCustomerEvents &host, int &fixCol) { host.EventGetFixedCols(fixCol); });
}

QString ArchiveEntry::GetAuthString(const QString &tableName)
{
    return relayed<QString>(
        [&](ClsCustomerEvents &host, QString &sId) { host.EventGetAuthString(tableName, sId); });
}

QString ArchiveEntry::GetAuthStringCode(const QString &cBusObId, const QString &cClassCode,
                                        const QString &cFuncID, bool bIsUserCode)
{
    const QString condition = g_oPub ? g_oPub->GetAuthStringCodeWeb(
                                  cBusObId, g_oSrv, g_cUserId, cClassCode, cFuncID, bIsUserCode)
                                     : QString();
    CheckTimeOut();
    return condition;
}

// Default rights of classes and batch rights are not part of the web data interface.
bool ArchiveEntry::GetArchiveClass(const QString &, const QString &, const QString &, QString &sXml)
{
    sXml.clear();
    m_lastMessage = kNotRelayed.arg(QStringLiteral("GetArchiveClass"));
    return false;
}

QString ArchiveEntry::BatchModifyAuthSQL(const QString &, const QString &, const QString &)
{
    m_lastMessage = kNotRelayed.arg(QStringLiteral("BatchModifyAuthSQL"));
    return {};
}

// The public service asks the rights object for clauses; in web mode the host answers the read
// clause of a table, and the login's rights give the others.
QString ArchiveEntry::rowCondition(const QString &cTable, const QString &cFuncId)
{
    if (cFuncId.isEmpty() || cFuncId.compare(u"R", Qt::CaseInsensitive) == 0)
        return GetAuthString(cTable);
    return GetAuthStringCode(cTable, QString(), cFuncId, false);
}

QString ArchiveEntry::codeList(const QString &cKind)
{
    return GetAuthString(cKind);
}

} // namespace customer

#pragma once

#include "entry/ILoginable.h"
#include "suite/colset/IColumnSet.h"
#include "suite/data/IClsCommon.h"
#include "suite/login/IRowAuth.h"

#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

namespace suite {
class IBusiness;
class IDeleteLog;
class ILogin;
class XmlElement;
} // namespace suite

namespace customer {

class ArchiveListWindow;
class ClsCustomerEvents;
class FrmCusAM;

// What tells the customer entry from its import twin.
struct EntryProfile
{
    // The function the lock service guards ("Customer").
    QString cFunId;
    // Portal keys of the list window ("Customer.FrmCus", "FrmCus_key").
    QString cListFormKey;
    QString cListFormKey2;
    // Root of the command-line XML that names one record ("customer").
    QString cRecordRoot;
    std::function<ArchiveListWindow *()> createListWindow;
    // Fills the data-rights strings of the session for the entry's list.
    std::function<void()> initDataAuth;
};

// The entry classes of the component: a host creates one, hands it a login and enters the
// archive through one of its roads (Show, ShowModeless, ShowByCS, Operating, ShowDelLog). The
// roads fill the session context and create the suite services; a failing step tells the user
// and stops.
//
// In web mode the instance also stands in for the data service, the column-set service and the
// row-rights object, and relays their calls to the host as events (see ClsCustomerEvents);
// after each relayed call it checks whether the host has ended the session.
class ArchiveEntry : public ILoginable,
                     public suite::IClsCommon,
                     public suite::IColumnSet,
                     public suite::IRowAuth,
                     public std::enable_shared_from_this<ArchiveEntry>
{
public:
    ~ArchiveEntry() override;

    // Public fields. The host sets bTimeOut when the web session has expired; the list window
    // keeps itself and its child windows here.
    bool bTimeOut = false;
    QPointer<ArchiveListWindow> FrmMain;
    QPointer<QWidget> g_vfdChild;
    QPointer<QWidget> g_frmChildAdd;
    QPointer<QWidget> g_frmChildModify;

    std::shared_ptr<suite::IBusiness> Business() const;
    void setBusiness(const std::shared_ptr<suite::IBusiness> &oBusiness);

    void ShowModeless(const QString &cMenuId, const QString &cMenuName, const QString &cAuthId,
                      const QString &cCmdLine);
    bool Login(const std::shared_ptr<suite::ILogin> &oLogin);
    bool LogOff();
    void ShowByCS(const std::shared_ptr<suite::ILogin> &oLogin, const QString &ParaXml = {});
    void Init(const std::shared_ptr<suite::ILogin> &oLogin);
    void InitWeb(QString &sXML);
    void Show(qint32 hWndParent, const QString &cUserId, const QString &cUserName,
              const QString &cDBName, bool bIsWeb = false);
    bool CreateObj(qint32 hWndParent, const QString &cUserId, const QString &cUserName,
                   const QString &cDBName, bool bIsWeb = false);
    // opt 1 adds a customer, 3 opens the one sXMLData names, 4 shows the delete log. The modal
    // card writes back the record XML it saved and whether it saved.
    void Operating(const std::shared_ptr<suite::ILogin> &oLogin, QString &sXMLData, bool &bSaved,
                   int opt);
    void ShowDelLog(const std::shared_ptr<suite::IDeleteLog> &objLog);

    bool bSaved() const { return m_bSaved; }
    QString XmlData() const { return m_cXmlData; }
    // Written by the card when it has saved.
    void setSaved(bool saved) { m_bSaved = saved; }
    void setXmlData(const QString &xml) { m_cXmlData = xml; }

    // The host subscribes to the events of the web-mode relay; one host at a time.
    void connectEvents(ClsCustomerEvents *host) { m_events = host; }

    // ILoginable
    bool ILoginable_Login() override;
    bool ILoginable_LogOff() override;
    suite::SuiteObjectPtr ILoginable_CallFunction(const QString &cMenuId, const QString &cMenuName,
                                                  const QString &cAuthId,
                                                  const QString &cCmdLine) override;

    // The data interface (IClsCommon). The instance has no database of its own: Init does
    // nothing and Status is always true.
    void Init(const QString &cDBName) override;
    bool Status() const override;
    suite::RecordSet OpenX(const QString &strSql) override;
    // The page read of the list window. Stand-alone it reads the whole result of strSql through
    // the data service and leaves the page numbers alone; in web mode the page comes from the
    // host (or the data service) and, unless bRef, the list window's page strip shows it.
    bool OpenPage(const QString &strSql, int &lPageSize, int &lCurPage, int &lMaxPageCount,
                  suite::RecordSet &RsRef, QString &sMsg, bool &bFlag) override;
    bool OpenPage(const QString &strSql, int &lPageSize, int &lCurPage, int &lMaxPageCount,
                  suite::RecordSet &RsRef, QString &sMsg, bool &bFlag, bool bRef);
    // In web mode the host answers both when it can count after the page
    // (ClsCustomerEvents::EventOpenPageUncounted); stand-alone the data service does.
    bool OpenPageUncounted(const QString &strSql, int &lPageSize, int &lCurPage, int &lMaxPageCount,
                           suite::RecordSet &RsRef, QString &sMsg, bool &bFlag) override;
    void CountPageLater(const QString &strSql, QObject *requester, PageCountDone done) override;
    bool ExecuteX(const QString &strSql) override;
    // The host takes texts only: the values go in as literals set after the declarations.
    suite::RecordSet OpenWith(const QString &strSql, const QVariantHash &variables) override;
    bool ExecuteWith(const QString &strSql, const QVariantHash &variables) override;
    bool Add(const QString &sXML, const QString &tableName, QString &sMsg) override;
    bool Modify(const QString &sXML, const QString &tableName, QString &sMsg) override;
    bool Delete(const QVariant &id, const QString &IDName, const QString &tableName, QString &sMsg,
                const QString &cUserId) override;
    suite::RecordSet Find(const QString &sXML, QStringList &FindTable, QStringList &ShowTable,
                          QString &sMsg);
    // Not relayed: stored procedures and transactions are the host's own business in web mode,
    // so these refuse; mnemonic codes need no database and are computed here.
    bool ExecPROCNew(const QString &cProc, const QVariantList &aParams, QVariant &vResult,
                     int iMode) override;
    QString GetMnemCode(const QString &cText) override;
    suite::IConnection &m_cnn() override;
    QString LastError() const override;

    // The column-set interface (IColumnSet).
    bool Init(const QString &cDBName, const QString &cUserId) override;
    bool setCatalogue(const QString &cKey, const QString &sXML, QString &sMsg) override;
    void MustCancelColumns(const QString &cList) override;
    QString getColInfo(const QString &cKey, int iReturnMode = FullInfo) override;
    suite::RecordSet getColSet(const QString &cKey, int iReturnMode = FullInfo) override;
    QString GetSqlString(const QString &sXML) override;
    QString GetOrderString(const QString &sXML) override;
    bool Save(QString &sXML) override;
    int iCols() override;
    int GetFixedCols() override;

    // The row-rights interface (IRowAuth).
    QString GetAuthString(const QString &tableName) override;
    QString GetAuthStringCode(const QString &cBusObId, const QString &cClassCode,
                              const QString &cFuncID, bool bIsUserCode) override;
    bool GetFunAuth(const std::shared_ptr<suite::ILogin> &oLogin, const QString &sArch, int bIsLock,
                    QString &sErr, int OptId, const QString &sAuth_Id, int iYear) override;
    bool GetArchiveClass(const QString &cBusObId, const QString &cKind, const QString &cCode,
                         QString &sXml) override;
    QString BatchModifyAuthSQL(const QString &cBusObId, const QString &cUserId,
                               const QString &cCode) override;
    QString rowCondition(const QString &cTable, const QString &cFuncId) override;
    QString codeList(const QString &cKind) override;

    // The windows this instance created; empty before and after their roads.
    ArchiveListWindow *listWindow() const;
    FrmCusAM *cardWindow() const;

protected:
    explicit ArchiveEntry(EntryProfile profile);

private:
    using RecordWriteEvent = void (ClsCustomerEvents::*)(const QString &, const QString &,
                                                         QString &, bool &);

    // Add and Modify: the record XML made loadable, then handed to the host.
    bool relayRecordWrite(RecordWriteEvent event, const QString &sXML, const QString &tableName,
                          QString &sMsg);
    // Raises one event for a result the host writes, then checks whether the session ended.
    template<class Result, class Raise> Result relayed(Raise raise);
    bool lockFunction(int iTask);
    bool createServices(const QString &cDBName);
    void newListWindow();
    void showCardInPortal(const suite::XmlElement &root, int opt);
    void showCardModal(const suite::XmlElement &root, int opt, QString &sXMLData, bool &bSaved);
    void ReleaseSession();
    void CheckTimeOut();
    void showLoadingStatus(bool loading);
    enum class PageCount { Wait, Later };
    bool relayPage(const QString &strSql, int &lPageSize, int &lCurPage, int &lMaxPageCount,
                   suite::RecordSet &RsRef, QString &sMsg, bool &bFlag, bool bRef, PageCount count);
    void showPageNumbers(int lCurPage, int lMaxPageCount, bool pageFull);

    EntryProfile m_profile;
    ClsCustomerEvents *m_events = nullptr;
    QPointer<ArchiveListWindow> m_frmList;
    suite::SuiteObjectPtr m_oFormEnv;
    QPointer<FrmCusAM> m_frmCard;
    bool m_bSaved = false;
    QString m_cXmlData;
    bool m_bOwnsServices = false;
    bool m_bPubFromInitWeb = false;
    std::shared_ptr<suite::IDeleteLog> m_oLog;
    QString m_cCode;
    QString m_cClassCode;
    QString m_lastMessage;
};

} // namespace customer

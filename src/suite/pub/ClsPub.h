#pragma once

#include "suite/pub/IPub.h"
#include "suite/pub/ListDialogState.h"
#include "suite/pub/PageFind.h"
#include "suite/pub/SeparatorDrag.h"

#include <QHash>

#include <functional>
#include <memory>

namespace suite {

class FunctionLocks;
class MessageScript;
class ResourceTable;

// The public service of the suite (ProgID "TarnPub.IPub").
//
// Message boxes: MsgBox shows a modal QMessageBox, unless a MessageScript is installed with
// installMessageScript; then every box is recorded by the script and answered from its queue
// (the default button once the queue is empty), and nothing is shown. Tests install a script
// before they call anything that may ask the user, and read afterwards what was shown:
//
//     auto script = std::make_shared<MessageScript>(std::deque<int>{ MessageStyle::kNo });
//     ClsPub::installMessageScript(script);
//     ... // the code under test calls MsgBox
//     EXPECT_EQ(script->shown().first().text, ...);
//     ClsPub::installMessageScript(nullptr);
//
// Function locks: one FunctionLocks session per user and company database, opened on the first
// IsLockFun of that login and kept while the service lives.
//
// The per-user settings and the user-defined field rules, which take no data service, read the
// company database of the login through a data service of its own.
class ClsPub : public IPub
{
public:
    // A batch-modify hook: may change the field, value and condition; False refuses the update.
    using MulModifyHook =
        std::function<bool(IClsCommon &oSrv, const QString &cObject, bool bBefore, QString &cField,
                           QString &cValue, QString &cCondition)>;

    ClsPub();
    ~ClsPub() override;

    static void installMessageScript(std::shared_ptr<MessageScript> script);
    static void addMulModifyHook(MulModifyHook hook);
    static void clearMulModifyHooks();

    // How many windows told the service that they unloaded.
    int unloadCount() const { return m_unloadCount; }

    void Init(const std::shared_ptr<ILogin> &oLogin) override;
    QString GetResString(const QString &cKey) override;
    QString GetResFormatString(const QString &cKey, const QStringList &aArgs) override;
    QString GetFldCaption(const RecordSet &rsMeta, const QString &cField) override;
    int MsgBox(const QString &cText, int iStyle, const QString &cTitle) override;
    bool IsLockFun(const std::shared_ptr<IClsCommon> &oSrv, const std::shared_ptr<ILogin> &oLogin,
                   const QString &cFunId, int iTask) override;
    bool GetSysStart(const QString &cSysId, const QString &cDBName,
                     const std::shared_ptr<IClsCommon> &oSrv) override;
    bool GetSysStart(const QString &cSysId, const QString &cDBName,
                     const std::shared_ptr<IClsCommon> &oSrv, const QString &cArch) override;
    void InitArchEditParam(const std::shared_ptr<IClsCommon> &oSrv, const QString &cArch,
                           bool &bCanAdd, bool &bCanModify) override;
    QString GetSrvTime(const std::shared_ptr<IClsCommon> &oSrv) override;
    void UtoLCase(QString &sXML) override;
    QString geteleval(const XmlElement &oElement, const QString &cName) override;
    QString FormatNum(const QVariant &vValue, int iDigits) override;
    void FrmUnLoad() override;

    bool NeedControlAuth(const std::shared_ptr<IClsCommon> &oSrv, const QString &cBusObj) override;
    QString GetFldAuthString(const QString &cBusObj, const QString &cFunc,
                             const std::shared_ptr<IClsCommon> &oSrv, const QString &cDBName,
                             const QString &cUserId) override;
    QString GetGetAuthString(const std::shared_ptr<IRowAuth> &oRowAuth, const QString &cTable,
                             const std::optional<QString> &cFunc,
                             const std::optional<QString> &cClass, const QString &cAlias) override;
    QString GetGetAuthStringCode(const std::shared_ptr<IRowAuth> &oRowAuth,
                                 const QString &cKind) override;
    int GetSpecialVersionType(const std::shared_ptr<IClsCommon> &oSrv) override;
    QString GetAuthStringCodeWeb(const QString &cBusObId, const std::shared_ptr<IClsCommon> &oSrv,
                                 const QString &cUserId, const QString &cClassCode,
                                 const QString &cFuncID, bool bIsUserCode) override;
    void ReCreateSQL(const std::shared_ptr<IClsCommon> &oSrv, const QString &strTablename,
                     QString &sSql, QString &sFilter) override;
    bool CheckAuth(const std::shared_ptr<IClsCommon> &oSrv, const QVariant &vKey,
                   const QString &cObject, const std::shared_ptr<IRowAuth> &oRowAuth) override;
    bool CheckAuthByCode(const std::shared_ptr<IClsCommon> &oSrv,
                         const std::shared_ptr<IRowAuth> &oRowAuth, const QString &cObject,
                         const QVariant &vId, const std::optional<QString> &cClass,
                         const QString &cFunc) override;

    int ConAuthSet(QWidget *form, QWidget *control, const QString &cField, const QString &cColAuthR,
                   const QString &cColAuthN) override;

    QString GetBillFormat(const QString &cDBName, const QString &cObject, bool &bAutoCode,
                          bool &bManualChange) override;
    QString GetBillNumber(const std::shared_ptr<IClsCommon> &oSrv, QString &sCodeFormat,
                          QString &sContextXml, const QString &cObject, const QString &cCodeColumn,
                          const QString &cCurrentCode, bool bFlag) override;
    QString GetAutoCode(const QString &cSavedCode) override;
    void CheckValid(QWidget *form) override;
    void FormatCon(QLineEdit *control) override;
    bool FrmKeyDown(QWidget *form, int iKeyCode, int iShift) override;
    int GetTabVisible(QTabWidget *tabs, int iTab) override;
    void SetBadStrException(QLineEdit *control, const QString &cExtra) override;
    void SetBadStrException2(QLineEdit *control, const QString &cExtra) override;
    void SetDblLen(QLineEdit *control, int iIntDigits, int iDecDigits) override;
    void SetIntLen(QLineEdit *control, int iDigits) override;

    QString GetRegEdit(const QString &cObj, const QString &cKey, const QString &cDefault, bool bWeb,
                       const QString &cUserId) override;
    bool SaveRegEdit(const QString &cObj, const QString &cKey, const QString &cValue, bool bWeb,
                     const QString &cUserId) override;

    bool IFExists(const std::shared_ptr<IClsCommon> &oSrv, const QString &cTable, QString &cCaption,
                  QString &cValue, bool bShowMsg, const QString &cWhere) override;
    bool CheckDateStyle(QString &cValue) override;
    bool CheckUserDef(const QString &cNumber, const QString &cCaption, QString &cValue) override;
    void SetUserDefValNew(QWidget *form, XmlElement &oUserDefXml, const QString &cTable,
                          RecordSet *row) override;
    void SetRefEdt(QWidget *form, QLineEdit *edit) override;
    bool LogArch(const std::shared_ptr<IClsCommon> &oSrv, const QString &cObject, int iOperation,
                 const QString &cId, QString &cUserId, const QString &cState,
                 const QString &cDescription, QString &cCondition) override;
    void ConvertValidStr(QString &sXML) override;
    bool TransTarnAPIForMulModify(const std::shared_ptr<IClsCommon> &oSrv, const QString &cObject,
                                  bool bBefore, QString &cField, QString &cValue,
                                  QString &cCondition, bool &bWeb) override;

    // --- Grid, paging and column members of the list windows ---
    bool getColSet(const QString &cColSetXml, QString &cListFields, int &iCols, QString &cOrder,
                   int &iFixedCols, Grid *grid, QString &cText) override;
    void FormatGrid(QWidget *form, const RecordSet &rsHeader, const QString &cKey) override;
    bool FindFldColPos(Grid *grid, const QString &cField, int &iPos) override;
    QString GetColWidthString(Grid *grid) override;
    bool SaveColSet(const std::shared_ptr<IColumnSet> &oColSet, Grid *grid, const QString &cKey,
                    const QString &cUserId) override;
    QString GetUnSavedColSet(const QString &sXML) override;
    void ColSetResize(QWidget *form, QWidget *colSet) override;
    void FormLayout(QWidget *form, const QString &cArch) override;
    QString GetVal(const QString &cText, int iMin, int iMax) override;
    bool GetPageRst(QWidget *form, const std::shared_ptr<IClsCommon> &oSrv, RecordSet &rs,
                    const QString &cTable, const QString &cKeyField, const QString &cSelect,
                    const QString &cJoin, const QString &cWhere, const QString &cOrder,
                    int &lCurPage, int lPageSize, int &lPageCount) override;
    bool GetPageRstUncounted(const std::shared_ptr<IClsCommon> &oSrv, RecordSet &rs,
                             const PageRequest &request, int &lCurPage, int lPageSize,
                             int &lPageCount) override;
    void CountPageRstLater(const std::shared_ptr<IClsCommon> &oSrv, const PageRequest &request,
                           QObject *requester, IClsCommon::PageCountDone done) override;
    std::unique_ptr<SqlCursor> OpenRstForward(const std::shared_ptr<IClsCommon> &oSrv,
                                              const PageRequest &request, QString &sMsg) override;
    bool IsFindCode() const override;
    void setIsFindCode(bool bFind) override;
    QString CodeValue() const override;
    void setCodeValue(const QString &cValue) override;
    QString CodeFldName() const override;
    void setCodeFldName(const QString &cField) override;
    void BindRstToGrid(QWidget *form, const RecordSet &rs) override;
    void GridSort(QWidget *form, Grid *grid, int iOrder) override;
    void GridSortNew(QWidget *form, Grid *grid, const QString &cItemKey) override;
    bool SetGridRow(Grid *grid, const QString &cCaption, const QString &cValue) override;
    void SetGridRow(Grid *grid, int iRow, int iTopRow) override;
    void SetGridSelect(Grid *grid, int iMode, int iButtonOrKey, int iShift, int x, int y) override;
    void ShowPopupMenu(QWidget *form, Grid *grid, int iButton, int iShift, int x, int y) override;

    // --- Dialog members of the list windows ---
    bool Find(const LoginRecord &login, const QString &cObjectName, QWidget *form,
              QString &cCondition) override;
    void FindSet(const LoginRecord &login, const QString &cObjectName, QWidget *form) override;
    void FindPos(QWidget *form, Grid *grid) override;
    void FindPos2(QWidget *form, QTreeWidget *tree) override;
    int ShowTipMsg(const std::shared_ptr<IClsCommon> &oSrv, const std::shared_ptr<ILogin> &oLogin,
                   Grid *grid, int iKeyPos, int iNameCol) override;
    int ShowTipMsgEx(const std::shared_ptr<IClsCommon> &oSrv, const std::shared_ptr<ILogin> &oLogin,
                     Grid *grid, const QString &cName, const QString &cCode) override;
    void DeleteStart() override;
    void DeleteEnded() override;
    void ModifyInitMsg(RecordSet &rsResult, const QString &cTitle,
                       const QString &cColumns) override;
    void ModifyAddMsg(RecordSet &rsResult, const QStringList &values) override;
    void ModifyShowMsg(RecordSet &rsResult, const QString &cTitle) override;
    void FrmOpt(QWidget *form, const QString &cKey, const LoginRecord &login,
                const QString &cOption) override;
    void FrmOptInit(QWidget *form, const QString &cKey, const LoginRecord &login) override;
    void HelpX(QWidget *form, bool bWeb, const QString &cContext) override;
    void HelpShow(const QString &cMenuId, QWidget *form, bool bWeb) override;
    void ShowHelp(QWidget *form, bool bWeb) override;
    bool OpenQuery(const LoginRecord &login, const std::shared_ptr<IClsCommon> &oSrv,
                   const QString &cObjectId, const QString &cSubSys,
                   QMap<QString, QString> &conditions) override;
    bool ShowQueryReport(const LoginRecord &login, const std::shared_ptr<IClsCommon> &oSrv,
                         const QString &cObjectId, const QString &cReportId, const QString &cSubSys,
                         const QMap<QString, QString> &conditions) override;

    // --- Print members of the list windows ---
    bool GetPrintAuth(const std::shared_ptr<IClsCommon> &oSrv,
                      const std::shared_ptr<ILogin> &oLogin, const QString &cObject,
                      const QString &cKey) override;
    bool GetPrnStyleFile(bool bNew, const QString &cFile, const QString &cKey,
                         const QString &cObject, const std::shared_ptr<IClsCommon> &oSrv,
                         PrintStyle &style) override;
    bool SavePrnStyle(const std::shared_ptr<IClsCommon> &oSrv, const QString &cObject,
                      const QString &cStyle) override;
    bool GetPrnDataFile(bool bNew, QString &sXML, const QString &cTemplate, const QString &cText,
                        const QString &cTitle, const QString &cAccId, const QString &cUserId,
                        const QString &cUserName, QWidget *printContext,
                        const std::shared_ptr<IClsCommon> &oSrv, PrintData &data) override;
    void PrintMsg(const QString &cObject, int iCount) override;
    void HelpHide(const QString &cKey, QWidget *form, bool bWeb) override;

    // --- Window, toolbar and help members of the list windows ---
    void FrmUniteFont(QWidget *form) override;
    void SetConPosition(QWidget *form) override;
    void SetUniteStyle(QWidget *form, QPushButton *button, int iStyle) override;
    QString m_LocaleID() override;
    KeyHook *hook(QWidget *form) override;
    void unhook(QWidget *form) override;
    LoginRecord frmLoadInit(QWidget *form, const QString &cTitle, const LoginRecord &login,
                            const std::shared_ptr<IClsCommon> &oSrv) override;
    void frmResizeNew(QWidget *form, const QString &cKey, const QString &cTreeName) override;
    void SetFrameWeb(QWidget *form) override;
    void FrmPreCompile(const std::shared_ptr<IClsCommon> &oSrv) override;
    void MouseEvent(QWidget *form, const QString &cKey, QWidget *separator, int iAction,
                    int iButton, int iShift, int x, int y) override;
    void ReRefreshKvTlb(QWidget *form) override;
    void SetArchOptions(QWidget *form, const QString &cArch, const QString &cUserId) override;
    LoginRecord SaveArchOptions(const LoginRecord &login, QWidget *form,
                                const QString &cArch) override;

private:
    enum class PageCountWait { Wait, Later };
    bool readPage(const std::shared_ptr<IClsCommon> &oSrv, RecordSet &rs,
                  const PageRequest &request, int &lCurPage, int lPageSize, int &lPageCount,
                  PageCountWait wait);
    const ResourceTable &resources() const;
    QString languageRegion() const;
    void inform(const QString &cText);
    FunctionLocks *locksFor(const ILogin &oLogin, QString &sMsg);
    // The data service on the login's company database; null (with the reason logged) when
    // there is no login or the database cannot be opened.
    IClsCommon *ownService();
    std::shared_ptr<IRowAuth> loginRowAuth() const;
    bool hasRow(IClsCommon &oSrv, const QString &sql, const char *where);
    bool userDefAccepts(const RecordSet &rule, const QString &cCaption, QString &cValue);

    std::shared_ptr<ILogin> m_login;
    std::shared_ptr<IClsCommon> m_ownService;
    QHash<QString, std::shared_ptr<FunctionLocks>> m_locks;
    SeparatorDrag m_separatorDrag;
    ListDialogState m_listDialogs;
    // The columns of the tables lists page through, read once for each data service: every
    // page read asks which names of its where and order parts are the main table's, and the
    // answer changes only with the schema, which a session does not change.
    struct PagedTableColumns
    {
        std::weak_ptr<IClsCommon> service;
        QHash<QString, QStringList> byTable;
    };
    QStringList pagedTableColumns(const std::shared_ptr<IClsCommon> &oSrv, const QString &cTable);

    PageFind m_pageFind;
    PagedTableColumns m_pagedTableColumns;
    int m_unloadCount = 0;
};

// Registers ClsPub under its ProgID.
void registerPubService();

} // namespace suite

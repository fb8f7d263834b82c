#pragma once

#include "suite/core/SuiteObject.h"
#include "suite/data/IClsCommon.h"
#include "suite/data/PageStatements.h"
#include "suite/pub/LoginRecord.h"

#include <QMap>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <memory>
#include <optional>

class QLineEdit;
class QPushButton;
class QTabWidget;
class QTreeWidget;
class QWidget;

namespace suite {

class Grid;
class IClsCommon;
class IColumnSet;
class ILogin;
class KeyHook;
class IRowAuth;
struct PrintData;
struct PrintStyle;
class RecordSet;
class XmlElement;

// The suite's public service "TarnPub.IPub": resource texts, message boxes, function locks,
// module and archive options, rights clauses, code numbering, per-user settings and the small
// checks the archive windows share. Nothing here throws: a member that cannot do its work
// answers the safe result (a refusal, "1=2" for a rights clause) and records why in the error
// log or tells the user through MsgBox.
class IPub : public SuiteObject
{
public:
    static constexpr const char *kProgId = "TarnPub.IPub";

    // Keeps the login; its language region chooses the resource texts.
    virtual void Init(const std::shared_ptr<ILogin> &oLogin) = 0;

    virtual QString GetResString(const QString &cKey) = 0;
    // The text with %1, %2, ... filled from aArgs in order.
    virtual QString GetResFormatString(const QString &cKey, const QStringList &aArgs) = 0;
    // The caption of cField from an aa_columndic record set (ckey matched without regard to
    // case, the caption column of the login's language); cField itself when there is none.
    virtual QString GetFldCaption(const RecordSet &rsMeta, const QString &cField) = 0;

    // Platform message-box codes: buttons 0 OK, 1 OK/Cancel, 3 Yes/No/Cancel, 4 Yes/No; icons
    // 16, 32, 48, 64; default button 0, 256, 512. Answers 1 OK, 2 Cancel, 6 Yes, 7 No.
    virtual int MsgBox(const QString &cText, int iStyle, const QString &cTitle) = 0;

    // True when cFunId may not be entered now (the holder is shown to the user); a negative
    // iTask gives the task back. The locks live in the system database and are reached through
    // a connection of their own, so that no transaction of oSrv holds back a release.
    virtual bool IsLockFun(const std::shared_ptr<IClsCommon> &oSrv,
                           const std::shared_ptr<ILogin> &oLogin, const QString &cFunId,
                           int iTask) = 0;

    // True when the module cSysId ("gs", "SA", ...) is started in the account year of cDBName.
    virtual bool GetSysStart(const QString &cSysId, const QString &cDBName,
                             const std::shared_ptr<IClsCommon> &oSrv) = 0;
    // The same asked for one archive: modules start for every archive alike.
    virtual bool GetSysStart(const QString &cSysId, const QString &cDBName,
                             const std::shared_ptr<IClsCommon> &oSrv, const QString &cArch) = 0;
    virtual void InitArchEditParam(const std::shared_ptr<IClsCommon> &oSrv, const QString &cArch,
                                   bool &bCanAdd, bool &bCanModify) = 0;
    // The database's clock, yyyy-MM-dd HH:mm:ss; empty when it cannot be read.
    virtual QString GetSrvTime(const std::shared_ptr<IClsCommon> &oSrv) = 0;

    // Element and attribute names lower-cased in place; values and text stay as they are.
    virtual void UtoLCase(QString &sXML) = 0;
    // The value of the attribute cName, whatever the case of its name.
    virtual QString geteleval(const XmlElement &oElement, const QString &cName) = 0;
    // The number with iDigits decimals; empty for a null or empty value, a value that is no
    // number unchanged.
    virtual QString FormatNum(const QVariant &vValue, int iDigits) = 0;
    virtual void FrmUnLoad() = 0;

    // True when column rights apply to the login's user on cBusObj.
    virtual bool NeedControlAuth(const std::shared_ptr<IClsCommon> &oSrv,
                                 const QString &cBusObj) = 0;
    // The comma-separated fields of cBusObj that cUserId may only read (cFunc "R") or may not
    // see ("N"), read from the company database of oSrv (which cDBName names as well).
    virtual QString GetFldAuthString(const QString &cBusObj, const QString &cFunc,
                                     const std::shared_ptr<IClsCommon> &oSrv,
                                     const QString &cDBName, const QString &cUserId) = 0;
    // Row-rights conditions, never empty: "1=1" when unrestricted.
    virtual QString GetGetAuthString(const std::shared_ptr<IRowAuth> &oRowAuth,
                                     const QString &cTable, const std::optional<QString> &cFunc,
                                     const std::optional<QString> &cClass,
                                     const QString &cAlias) = 0;
    // The read condition over the archive cKind ("Warehouse", "Person", ...).
    virtual QString GetGetAuthStringCode(const std::shared_ptr<IRowAuth> &oRowAuth,
                                         const QString &cKind) = 0;
    // The account option AA iSpecialVersion; 0 when it is not set.
    virtual int GetSpecialVersionType(const std::shared_ptr<IClsCommon> &oSrv) = 0;
    // The login's condition over cBusObId's own table; cUserId must be the login's user, as
    // only its rights are known here.
    virtual QString GetAuthStringCodeWeb(const QString &cBusObId,
                                         const std::shared_ptr<IClsCommon> &oSrv,
                                         const QString &cUserId, const QString &cClassCode,
                                         const QString &cFuncID, bool bIsUserCode) = 0;
    // Adds the login's read condition over the archive table of the reference list
    // strTablename to sSql (after " where", or joined to its where clause with " and", before a
    // closing group by / order by) and returns it in sFilter. A table whose records carry no
    // rights, or a user without restriction, gives "1=1" and leaves sSql unchanged; so does a
    // statement that already carries the condition, as a repeated refresh of one reference
    // list passes its statement again. Without rights objects the condition is "1=2".
    virtual void ReCreateSQL(const std::shared_ptr<IClsCommon> &oSrv, const QString &strTablename,
                             QString &sSql, QString &sFilter) = 0;
    // Whether the user may change the record of cObject named by vKey: an integer is the
    // record's rights class (iId), any other value its code.
    virtual bool CheckAuth(const std::shared_ptr<IClsCommon> &oSrv, const QVariant &vKey,
                           const QString &cObject, const std::shared_ptr<IRowAuth> &oRowAuth) = 0;
    // Whether the user may do cFunc ("R", "W", "D") on the record of cObject with code vId.
    virtual bool CheckAuthByCode(const std::shared_ptr<IClsCommon> &oSrv,
                                 const std::shared_ptr<IRowAuth> &oRowAuth, const QString &cObject,
                                 const QVariant &vId, const std::optional<QString> &cClass,
                                 const QString &cFunc) = 0;

    // Sets the control of cField on form to the user's right on that field (see
    // fieldAuthLevel) and returns the level: 0 none, 1 read, 2 read and change.
    virtual int ConAuthSet(QWidget *form, QWidget *control, const QString &cField,
                           const QString &cColAuthR, const QString &cColAuthN) = 0;

    virtual QString GetBillFormat(const QString &cDBName, const QString &cObject, bool &bAutoCode,
                                  bool &bManualChange) = 0;
    // The next free code; cCurrentCode when none can be given (the reason is shown).
    // sCodeFormat receives the rule's current descriptor. The rule names its own code column,
    // so cCodeColumn and bFlag do not change the answer.
    virtual QString GetBillNumber(const std::shared_ptr<IClsCommon> &oSrv, QString &sCodeFormat,
                                  QString &sContextXml, const QString &cObject,
                                  const QString &cCodeColumn, const QString &cCurrentCode,
                                  bool bFlag) = 0;
    // The code to offer after a saved one when codes are typed by hand.
    virtual QString GetAutoCode(const QString &cSavedCode) = 0;

    // --- Input members of the cards ---

    // Settles the control that has the focus on form before its value is used: a text its
    // input rule does not accept as it stands is completed by the rule's fix-up.
    virtual void CheckValid(QWidget *form) = 0;
    // Shows a number field's text with the decimals SetDblLen allows it; a text that is no
    // number, or a field without decimals set, stays as it is.
    virtual void FormatCon(QLineEdit *control) = 0;
    // A key down in form: true when it changes the text field that has the focus (a character,
    // Space, Backspace, Delete, or Ctrl with V or X), which the cards count as a change of the
    // record. Keys in other controls and in locked fields give false.
    virtual bool FrmKeyDown(QWidget *form, int iKeyCode, int iShift) = 0;
    // The tab to show when iTab is asked for: iTab when it is shown, else the next shown tab
    // after it, else the last shown one before it; iTab without any.
    virtual int GetTabVisible(QTabWidget *tabs, int iTab) = 0;
    // Input filters of text fields. SetBadStrException refuses the characters that break codes
    // and record XML (' " & < > |) and those of cExtra; SetBadStrException2, for names and
    // addresses, refuses only the quotes and those of cExtra. Texts set by the program pass.
    virtual void SetBadStrException(QLineEdit *control, const QString &cExtra) = 0;
    virtual void SetBadStrException2(QLineEdit *control, const QString &cExtra) = 0;
    // A number, optionally negative, with at most iIntDigits digits before the point and
    // iDecDigits after it.
    virtual void SetDblLen(QLineEdit *control, int iIntDigits, int iDecDigits) = 0;
    // A whole number of at most iDigits digits.
    virtual void SetIntLen(QLineEdit *control, int iDigits) = 0;

    // Per-user settings in the company database; bWeb does not change where they are kept.
    virtual QString GetRegEdit(const QString &cObj, const QString &cKey, const QString &cDefault,
                               bool bWeb, const QString &cUserId) = 0;
    virtual bool SaveRegEdit(const QString &cObj, const QString &cKey, const QString &cValue,
                             bool bWeb, const QString &cUserId) = 0;

    // True when cValue is a code of cTable (under cWhere when given); bShowMsg tells the user
    // when it is not.
    virtual bool IFExists(const std::shared_ptr<IClsCommon> &oSrv, const QString &cTable,
                          QString &cCaption, QString &cValue, bool bShowMsg,
                          const QString &cWhere) = 0;
    // True for a date; the value is rewritten as yyyy-MM-dd.
    virtual bool CheckDateStyle(QString &cValue) = 0;
    // True when cValue suits the customer's user-defined field number cNumber; otherwise the
    // user is told why.
    virtual bool CheckUserDef(const QString &cNumber, const QString &cCaption, QString &cValue) = 0;
    // The user-defined items of a card's record element (as the user-defined-field control keeps
    // it) that come from the archive cTable. With a chosen row, each item named like a field of
    // the row takes that field's value and remembers where it came from; without a row (the
    // reference was typed over), the items that still hold what they took from cTable are
    // emptied, while values the user set stay. An empty cTable changes nothing; form is not read.
    virtual void SetUserDefValNew(QWidget *form, XmlElement &oUserDefXml, const QString &cTable,
                                  RecordSet *row) = 0;
    // After a typed change of a card's reference edit: its tool tip shows the whole text, which
    // a narrow edit may cut off.
    virtual void SetRefEdt(QWidget *form, QLineEdit *edit) = 0;
    virtual bool LogArch(const std::shared_ptr<IClsCommon> &oSrv, const QString &cObject,
                         int iOperation, const QString &cId, QString &cUserId,
                         const QString &cState, const QString &cDescription,
                         QString &cCondition) = 0;
    // Makes a record XML loadable: a stray '&' or '<' inside a value is escaped, control
    // characters other than tab and line breaks are removed.
    virtual void ConvertValidStr(QString &sXML) = 0;
    // The batch-modify hooks before (bBefore) and after an update; True when all agree.
    virtual bool TransTarnAPIForMulModify(const std::shared_ptr<IClsCommon> &oSrv,
                                          const QString &cObject, bool bBefore, QString &cField,
                                          QString &cValue, QString &cCondition, bool &bWeb) = 0;

    // --- Grid, paging and column members of the list windows ---

    // The list's grid (see Grid): row 0 the header, column 0 the serial numbers, column 1 the
    // selection column (key "SelCol", "Y" when ticked), then one column per field of the
    // select list, so that grid column = position in the select list + 1. The members that
    // take the window find its grid by the object name "Grid". Widths are in pixels.

    // Lays the grid's columns out from a column-set XML (as the column-set service's getColInfo
    // returns it): cListFields = "'' as SelCol," + the select list of the visible columns
    // (empty when no column is visible), iCols = the visible columns, cOrder = their order-by
    // list without "order by" (empty when none is sorted), iFixedCols = the visible columns
    // marked fixed. The grid keeps its header row only; each visible column gets its caption,
    // its field as key and its width. False with the reason in cText (nothing changed) when
    // the XML does not read; cText is empty otherwise.
    virtual bool getColSet(const QString &cColSetXml, QString &cListFields, int &iCols,
                           QString &cOrder, int &iFixedCols, Grid *grid, QString &cText) = 0;
    // Aligns each column of the form's grid after the type of its field in the empty header
    // record set (field i is grid column i + 1): numbers right, dates and flags centred, text
    // left. Captions, keys and widths stay as getColSet left them; cKey names the list.
    virtual void FormatGrid(QWidget *form, const RecordSet &rsHeader, const QString &cKey) = 0;
    // iPos = the position in the select list of the column whose key is cField (both compared
    // without case and without a table prefix), which is the grid column - 1: 0 for "SelCol",
    // 1 for the first field. False with iPos = -1 when no column has that key.
    virtual bool FindFldColPos(Grid *grid, const QString &cField, int &iPos) = 0;
    // The widths of all columns, comma-separated ("40,30,120"); empty without a grid.
    virtual QString GetColWidthString(Grid *grid) = 0;
    // Stores the grid's present widths into the column set cKey of the user the column-set
    // service was initialised with (cUserId must be that user). False when there is no
    // service or grid, when the set does not read, or when the service refuses to store it.
    virtual bool SaveColSet(const std::shared_ptr<IColumnSet> &oColSet, Grid *grid,
                            const QString &cKey, const QString &cUserId) = 0;
    // The column set a list lays its header out from for the rest of the session, derived
    // from the XML of the column-settings control: its columns in their order, numbered 1..n.
    // XML that does not read comes back unchanged, so that getColSet reports it.
    virtual QString GetUnSavedColSet(const QString &sXML) = 0;
    // Lets the column-settings control colSet fill the client area of its form.
    virtual void ColSetResize(QWidget *form, QWidget *colSet) = 0;
    // The suite's dialog look for a form of the archive cArch: no context-help button, the
    // suite's margins around its layout.
    virtual void FormLayout(QWidget *form, const QString &cArch) = 0;
    // cText as a whole number within iMin .. iMax: below iMin (or no number at all) gives
    // iMin, above iMax gives iMax; when iMax < iMin, iMin.
    virtual QString GetVal(const QString &cText, int iMin, int iMax) = 0;

    // Reads one page of "select cSelect from cTable cJoin cWhere cOrder" in the database,
    // never the whole result: the page's keys (cKeyField of cTable) first, ordered by cOrder
    // and then the key, counted and cut by the data service's page reader (joins only where
    // cWhere or cOrder name a column outside cTable), then the rows of those keys with the
    // full select list, in the page's order. cWhere and cOrder may start with "where" and
    // "order by". lCurPage is clamped into the pages there are and written back with
    // lPageCount; no rows make page 1 of 1. With IsFindCode and a CodeValue, the page is the
    // one holding the row whose CodeFldName equals CodeValue (when the where part lets it
    // through), and the next BindRstToGrid makes that row current. False (logged, rs closed)
    // when a statement fails or lPageSize is below 1. form is not read.
    virtual bool GetPageRst(QWidget *form, const std::shared_ptr<IClsCommon> &oSrv, RecordSet &rs,
                            const QString &cTable, const QString &cKeyField, const QString &cSelect,
                            const QString &cJoin, const QString &cWhere, const QString &cOrder,
                            int &lCurPage, int lPageSize, int &lPageCount) = 0;
    // GetPageRst for a list that shows its page before it knows its length: lPageCount is -1
    // while the rows are not counted (see IClsCommon::OpenPageUncounted), and
    // CountPageRstLater counts them off the caller's thread.
    virtual bool GetPageRstUncounted(const std::shared_ptr<IClsCommon> &oSrv, RecordSet &rs,
                                     const PageRequest &request, int &lCurPage, int lPageSize,
                                     int &lPageCount) = 0;
    virtual void CountPageRstLater(const std::shared_ptr<IClsCommon> &oSrv,
                                   const PageRequest &request, QObject *requester,
                                   IClsCommon::PageCountDone done) = 0;
    // Every row of the list GetPageRst pages, in the same order, read forward one at a time
    // (IClsCommon::OpenForward): a reader of the whole list (an export) runs one statement
    // instead of one per page. Null as OpenForward gives it.
    virtual std::unique_ptr<SqlCursor> OpenRstForward(const std::shared_ptr<IClsCommon> &oSrv,
                                                      const PageRequest &request,
                                                      QString &sMsg) = 0;
    virtual bool IsFindCode() const = 0;
    virtual void setIsFindCode(bool bFind) = 0;
    virtual QString CodeValue() const = 0;
    virtual void setCodeValue(const QString &cValue) = 0;
    virtual QString CodeFldName() const = 0;
    virtual void setCodeFldName(const QString &cField) = 0;
    // Fills the form's grid with rs below its header: one row per record, its serial number in
    // column 0, field i in column i + 1 (dates as yyyy-MM-dd, money with two decimals, numbers
    // without group separators); surplus columns are emptied. The first row becomes current, or the
    // row of the code the last GetPageRst looked for.
    virtual void BindRstToGrid(QWidget *form, const RecordSet &rs) = 0;

    // Sorts the rows shown on the grid's current column: iOrder 1 ascending, 2 descending
    // (other values nothing); the serial numbers stay. Checks the form's action "mAsc" or
    // "mDesc" to match, when it has them.
    virtual void GridSort(QWidget *form, Grid *grid, int iOrder) = 0;
    // The popup's items: "asc" sorts ascending, "desc" descending (any case).
    virtual void GridSortNew(QWidget *form, Grid *grid, const QString &cItemKey) = 0;
    // Makes current the first row whose cell under the header caption cCaption equals cValue
    // (both trimmed, without case). False when there is no such column or row.
    virtual bool SetGridRow(Grid *grid, const QString &cCaption, const QString &cValue) = 0;
    // Brings back a row and top row remembered before a refresh; a row past the last data
    // row becomes the last.
    virtual void SetGridRow(Grid *grid, int iRow, int iTopRow) = 0;
    // Ticks or unticks a row in the selection column: iMode 0, a left click (iButtonOrKey 1)
    // at x, y on that column; iMode 1, the space bar (iButtonOrKey 32) on the current row.
    virtual void SetGridSelect(Grid *grid, int iMode, int iButtonOrKey, int iShift, int x,
                               int y) = 0;
    // On the right button (2): makes the column under x current and pops up, at x, y, a
    // menu "GridSortMenu" with the items "asc" and "desc", which call GridSortNew. It does
    // not wait for the choice.
    virtual void ShowPopupMenu(QWidget *form, Grid *grid, int iButton, int iShift, int x,
                               int y) = 0;

    // --- Dialog members of the list windows ---

    // The filter dialog of the list form: lines of field, operator, value and "and"/"or" over
    // the fields of the form's column-information XML (its dynamic property "colInfoXml")
    // that the user's filter settings offer. It starts with the lines that made cCondition,
    // kept on the form. OK gives True and replaces cCondition by a T-SQL condition whose field
    // names all come from the catalogue and whose values are quoted ("1=1" with no line);
    // Cancel gives False and leaves it.
    virtual bool Find(const LoginRecord &login, const QString &cObjectName, QWidget *form,
                      QString &cCondition) = 0;
    // The filter-settings dialog: which fields the filter dialog offers and the operator each
    // starts with, kept for login's user under cObjectName.
    virtual void FindSet(const LoginRecord &login, const QString &cObjectName, QWidget *form) = 0;
    // The locate dialog over grid: a column and a text; each search makes the next row (after
    // the current one, wrapping round) whose cell contains the text the current row.
    virtual void FindPos(QWidget *form, Grid *grid) = 0;
    // The same over the texts of the tree's nodes, in the order the tree shows them.
    virtual void FindPos2(QWidget *form, QTreeWidget *tree) = 0;
    // Asks whether the ticked rows of grid (column 1 "Y") are to be deleted, naming a few by
    // their cells in the columns iKeyPos and iNameCol. 1 for yes; 0 for no or no ticked row.
    virtual int ShowTipMsg(const std::shared_ptr<IClsCommon> &oSrv,
                           const std::shared_ptr<ILogin> &oLogin, Grid *grid, int iKeyPos,
                           int iNameCol) = 0;
    // The same for one record named by cName and cCode; grid may be null.
    virtual int ShowTipMsgEx(const std::shared_ptr<IClsCommon> &oSrv,
                             const std::shared_ptr<ILogin> &oLogin, Grid *grid,
                             const QString &cName, const QString &cCode) = 0;
    // Bracket a batch of deletes: the busy pointer shows in between. Nested brackets are
    // counted; an unmatched DeleteEnded does nothing.
    virtual void DeleteStart() = 0;
    virtual void DeleteEnded() = 0;
    // Opens rsResult as an empty result list with the comma-separated cColumns; cTitle heads
    // the list when it is shown.
    virtual void ModifyInitMsg(RecordSet &rsResult, const QString &cTitle,
                               const QString &cColumns) = 0;
    // Adds one line: values in column order, missing ones empty.
    virtual void ModifyAddMsg(RecordSet &rsResult, const QStringList &values) = 0;
    // Shows the lines modal in a window titled cTitle; nothing when there is no line.
    virtual void ModifyShowMsg(RecordSet &rsResult, const QString &cTitle) = 0;
    // The view options of the list form, each a switch kept for login's user under the
    // object cKey lower-cased: "mStb" the status bar "Stb" (key "ShowStatusBar"), "mText" the
    // button texts of the toolbar "TLB2" ("ToolbarText"), "mPrintNo" the print serial number
    // (the form's property "printNo" and its action "mPrintNo"; key "PrintNo").
    virtual void FrmOpt(QWidget *form, const QString &cKey, const LoginRecord &login,
                        const QString &cOption) = 0;
    // Applies the stored view options at load; an option never stored leaves the form as it is.
    virtual void FrmOptInit(QWidget *form, const QString &cKey, const LoginRecord &login) = 0;
    // Records the help context of form (its property "helpContext"): the page F1 opens.
    virtual void HelpX(QWidget *form, bool bWeb, const QString &cContext) = 0;
    // Records the command in progress (the form's property "helpCommand"), so that help asked
    // for during it is about it.
    virtual void HelpShow(const QString &cMenuId, QWidget *form, bool bWeb) = 0;
    // The offline help window at the help context of form, in the login's language; nothing
    // in web mode, where the browser brings its own help.
    virtual void ShowHelp(QWidget *form, bool bWeb) = 0;
    // The condition list of the suite's query cObjectId of subsystem cSubSys (caption to clause
    // or value) as the login's user last kept it. False, with the reason told, when the query
    // is unknown.
    virtual bool OpenQuery(const LoginRecord &login, const std::shared_ptr<IClsCommon> &oSrv,
                           const QString &cObjectId, const QString &cSubSys,
                           QMap<QString, QString> &conditions) = 0;
    // Runs the query cObjectId under conditions and shows the result as its report cReportId.
    // False, with the reason told, when the query or the report is unknown or the rows cannot
    // be read.
    virtual bool ShowQueryReport(const LoginRecord &login, const std::shared_ptr<IClsCommon> &oSrv,
                                 const QString &cObjectId, const QString &cReportId,
                                 const QString &cSubSys,
                                 const QMap<QString, QString> &conditions) = 0;

    // --- Print members of the list windows ---

    // Whether the user of oLogin may print and export the list of cObject. Printing belongs
    // to the archive's function: it is the right to the function cObject that the login's
    // rights object grants (administrators hold every function), whatever the print command
    // cKey ("Print", "Preview", "SetUp", "SaveFile"). False without a login or rights object.
    virtual bool GetPrintAuth(const std::shared_ptr<IClsCommon> &oSrv,
                              const std::shared_ptr<ILogin> &oLogin, const QString &cObject,
                              const QString &cKey) = 0;
    // The page style of cObject for the print command cKey, from the company database of
    // oSrv: the command's own, else the one the page set-up stored ("SetUp"), else A4
    // portrait. The style carries cKey, under which SavePrnStyle stores it. bNew and cFile
    // (a style file of the desktop suite) do not change it. True when a stored style was found.
    virtual bool GetPrnStyleFile(bool bNew, const QString &cFile, const QString &cKey,
                                 const QString &cObject, const std::shared_ptr<IClsCommon> &oSrv,
                                 PrintStyle &style) = 0;
    // Stores a style in its text form (PrintStyle) for cObject under the key it names. False,
    // with the reason logged, when the text does not read or the database refuses it.
    virtual bool SavePrnStyle(const std::shared_ptr<IClsCommon> &oSrv, const QString &cObject,
                              const QString &cStyle) = 0;
    // The print data of a list: title, account, user and the columns the grid "Grid" of
    // printContext (the window) shows, as GridPrintTable reads them, with the serial numbers
    // when the window's print-number switch (property "printNo") is on and the fields of its
    // property "printRepeatedKeys" on every page across. The rows are the whole list when the
    // window is a PrintRowsProvider, else the grid's. sXML, cTemplate and cText belong to the
    // desktop suite's report files and are left as they are. False when the window has no
    // grid or gives no rows.
    virtual bool GetPrnDataFile(bool bNew, QString &sXML, const QString &cTemplate,
                                const QString &cText, const QString &cTitle, const QString &cAccId,
                                const QString &cUserId, const QString &cUserName,
                                QWidget *printContext, const std::shared_ptr<IClsCommon> &oSrv,
                                PrintData &data) = 0;
    // Tells the user how many rows of cObject an export wrote.
    virtual void PrintMsg(const QString &cObject, int iCount) = 0;
    // The command cKey hands over to dialogs of their own (the print dialogs): help asked for
    // in them is about the window again, not the command.
    virtual void HelpHide(const QString &cKey, QWidget *form, bool bWeb) = 0;

    // --- Window, toolbar and help members of the list windows ---

    // Positions in these members are in pixels of the form's controls; the controls are found
    // by their object names ("Trv", "PicSeparate", "Grid", "TLB2", "Stb", "FrameWeb"). The
    // per-user window settings go through SaveRegEdit under the object cKey / cArch lower-cased,
    // so "customer" and "Customer" name the same window: key "TreeWidth" (tree width),
    // "ShowStatusBar" and "ToolbarText" ("1" or "0").

    // One font for every control of form: a font that shows Chinese when one is installed,
    // else the application's.
    virtual void FrmUniteFont(QWidget *form) = 0;
    // Places a small dialog in the middle of the window it belongs to (its parent), or of the
    // screen without one.
    virtual void SetConPosition(QWidget *form) = 0;
    // The house look of a dialog's button: iStyle 1 a plain (cancel) button, 2 the default
    // button that Enter presses.
    virtual void SetUniteStyle(QWidget *form, QPushButton *button, int iStyle) = 0;
    // The login's language region, lower-cased ("zh-cn"); "zh-cn" without a login.
    virtual QString m_LocaleID() = 0;
    // Starts listening to every key pressed in form (the form's KeyHook, made on first use) and
    // returns the hook, whose keyDown the window connects; null without a form.
    virtual KeyHook *hook(QWidget *form) = 0;
    virtual void unhook(QWidget *form) = 0;
    // Titles form with cTitle and answers the login record with its empty fields taken from
    // the service's login (the language region from m_LocaleID).
    virtual LoginRecord frmLoadInit(QWidget *form, const QString &cTitle, const LoginRecord &login,
                                    const std::shared_ptr<IClsCommon> &oSrv) = 0;
    // At the first resize of form, gives the tree cTreeName the width the user left it at.
    virtual void frmResizeNew(QWidget *form, const QString &cKey, const QString &cTreeName) = 0;
    // Centres the paging strip's controls vertically in FrameWeb.
    virtual void SetFrameWeb(QWidget *form) = 0;
    // Nothing is left to prepare: the data service translates and caches each statement the
    // first time it runs, and the list has run its statement before the window calls this.
    virtual void FrmPreCompile(const std::shared_ptr<IClsCommon> &oSrv) = 0;
    // The separator drag between tree and grid: iAction 1 mouse down, 2 move, 3 up, with the
    // left button (iButton 1); x in the separator's coordinates. Up gives the tree its new
    // width, the grid the rest, and keeps the width for the user.
    virtual void MouseEvent(QWidget *form, const QString &cKey, QWidget *separator, int iAction,
                            int iButton, int iShift, int x, int y) = 0;
    // The toolbars of form follow the window's commands: a button is enabled as the form's
    // action "m" + its key (mAdd, mModify, ...) is.
    virtual void ReRefreshKvTlb(QWidget *form) = 0;
    // Restores the user's window options of the archive cArch: tree width, status bar, toolbar
    // texts, print numbers (property "printNo" and action "mPrintNo"). An option never stored
    // leaves the window as it is.
    virtual void SetArchOptions(QWidget *form, const QString &cArch, const QString &cUserId) = 0;
    // Stores those options for the login's user; answers the login record.
    virtual LoginRecord SaveArchOptions(const LoginRecord &login, QWidget *form,
                                        const QString &cArch) = 0;
};

} // namespace suite

#pragma once

#include "suite/core/SuiteObject.h"

#include <QString>
#include <QStringList>
#include <QVariant>

#include <memory>
#include <optional>

class QWidget;

namespace suite {

class IClsCommon;
class ILogin;
class IRowAuth;
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
};

} // namespace suite

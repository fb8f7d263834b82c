#pragma once

#include "suite/core/XmlDocument.h"
#include "suite/pub/LoginRecord.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <memory>

namespace suite {
class IArchivePlugInManager;
class IBusiness;
class IClsCommon;
class IColAuth;
class IColumnSet;
class IFileManagerClient;
class ILogin;
class IPlugInDebugLogger;
class IPub;
class IRowAuth;
} // namespace suite

namespace customer {

// The login record the list window fills and hands to suite components that want one.
using clsLogin = suite::LoginRecord;

// The session context: process-wide state every window, query builder and utility of the
// component reads. The entry classes fill it on their start-up roads; the windows set the flags
// at the end. Everything runs on the user-interface thread, so nothing here is synchronised.

// Host and suite services.
inline std::shared_ptr<suite::IBusiness> g_oBusiness;
inline std::shared_ptr<suite::ILogin> g_oLogin;
inline std::shared_ptr<suite::IPub> g_oPub;
inline std::shared_ptr<suite::IClsCommon> g_oSrv;
inline std::shared_ptr<suite::IColumnSet> g_oColSet;
inline std::shared_ptr<suite::IRowAuth> g_oRowAuth;
inline std::shared_ptr<suite::IColAuth> g_oColAuth;

// Who works in which company, on which day, entered how.
inline QString g_cUserId;
inline QString g_cUserName;
inline QString g_cDBName;
inline QString g_CurDate;
inline QString g_DbSrvDate;
inline bool g_bIsWeb = false;
// 0 stand-alone, 1 web, 2 card only.
inline std::int16_t g_iRunMode = 0;
inline std::int32_t g_hWndParent = 0;
inline bool g_bShowFrameWeb = false;
inline std::int32_t g_lMaxPageSize = 0;
inline bool g_bGspStarted = false;
inline bool g_bExStarted = false;
inline bool g_bCsStarted = false;
inline bool g_bCanAddArch = true;
inline bool g_bCanModifyArch = true;
inline QString g_cRefUrl;
inline QString g_cUnSavedColSet;

// Data rights, computed once per start-up.
inline QString g_cAuthCustomerW;
inline QString g_sRowAuthInv;
inline QString g_sRowAuthWarehouse;
inline QString g_sRowAuthPerson;
inline QString g_sRowAuthDept;
inline QString g_sRowAuthVendor;
inline QString g_cColAuthR;
inline QString g_cColAuthN;
inline bool g_bNeedColAuth = false;
inline int g_iSpecialVersion = 0;

// Archive plug-ins.
inline std::shared_ptr<suite::IArchivePlugInManager> g_oPlugInManager;
inline std::shared_ptr<suite::IPlugInDebugLogger> g_oPlugInLogger;

inline clsLogin g_clsLogin;
// The argument array handed to GetResFormatString.
inline QStringList g_aResArgs;
inline std::int32_t g_lPageCount = 0;

// The field catalogue and the number formats read with it.
inline QString g_cFieldCatalogXml;
inline suite::XmlElement g_oColStyle;
inline QStringList g_aBoolText;
inline QStringList g_aRetailKind;
inline QStringList g_aGspComType;
inline std::int16_t g_iPriceDecDgt = 2;
inline bool g_bAutoMnemCode = false;
inline QString g_cCurName;
inline std::int16_t g_iDefine13Digits = 0;
inline std::int16_t g_iDefine14Digits = 0;
inline std::int16_t g_iTaxRateDigits = 0;

// Extended fields and the state of an open reference list.
inline QString g_cExtraFields;
inline QString g_cRefTable;
inline QString g_cRefSql;
inline QString g_cRefFilter;
inline QString g_cRefExtraSql;
inline bool g_bRefPaged = false;
inline QString g_cContactCusCode;

inline std::shared_ptr<suite::IFileManagerClient> g_oFileManager;

// Set by the windows.
inline QString g_cListFields;
inline QString g_cColInfoXml;
inline bool g_bCardSaved = false;

// Everything back to the state of a process that has not entered the component yet.
void resetSessionContext();

} // namespace customer

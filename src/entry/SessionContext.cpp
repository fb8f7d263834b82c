#include "entry/SessionContext.h"

#include "entry/SessionMapWindow.h"
#include "suite/colset/IColumnSet.h"
#include "suite/data/IClsCommon.h"
#include "suite/login/IBusiness.h"
#include "suite/login/IColAuth.h"
#include "suite/login/ILogin.h"
#include "suite/login/IRowAuth.h"
#include "suite/pub/IPub.h"

namespace customer {

void resetSessionContext()
{
    releaseSessionMapWindow();
    g_oBusiness.reset();
    g_oLogin.reset();
    g_oPub.reset();
    g_oSrv.reset();
    g_oColSet.reset();
    g_oRowAuth.reset();
    g_oColAuth.reset();

    g_cUserId.clear();
    g_cUserName.clear();
    g_cDBName.clear();
    g_CurDate.clear();
    g_DbSrvDate.clear();
    g_bIsWeb = false;
    g_iRunMode = 0;
    g_hWndParent = 0;
    g_bShowFrameWeb = false;
    g_lMaxPageSize = 0;
    g_bGspStarted = false;
    g_bExStarted = false;
    g_bCsStarted = false;
    g_bCanAddArch = true;
    g_bCanModifyArch = true;
    g_cRefUrl.clear();
    g_cUnSavedColSet.clear();

    g_cAuthCustomerW.clear();
    g_sRowAuthInv.clear();
    g_sRowAuthWarehouse.clear();
    g_sRowAuthPerson.clear();
    g_sRowAuthDept.clear();
    g_sRowAuthVendor.clear();
    g_cColAuthR.clear();
    g_cColAuthN.clear();
    g_bNeedColAuth = false;
    g_iSpecialVersion = 0;

    g_oPlugInManager.reset();
    g_oPlugInLogger.reset();
    g_clsLogin = {};
    g_aResArgs.clear();
    g_lPageCount = 0;

    g_cFieldCatalogXml.clear();
    g_oColStyle = {};
    g_aBoolText.clear();
    g_aRetailKind.clear();
    g_aGspComType.clear();
    g_iPriceDecDgt = 2;
    g_bAutoMnemCode = false;
    g_cCurName.clear();
    g_iDefine13Digits = 0;
    g_iDefine14Digits = 0;
    g_iTaxRateDigits = 0;

    g_cExtraFields.clear();
    g_cRefTable.clear();
    g_cRefSql.clear();
    g_cRefFilter.clear();
    g_cRefExtraSql.clear();
    g_bRefPaged = false;
    g_cContactCusCode.clear();

    g_oFileManager.reset();
    g_cListFields.clear();
    g_cColInfoXml.clear();
    g_bCardSaved = false;
}

} // namespace customer

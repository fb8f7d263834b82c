#include "entry/ListSessionState.h"

#include "entry/SessionContext.h"

namespace customer {

ListSessionState ListSessionState::save()
{
    ListSessionState state;
    state.m_srv = g_oSrv;
    state.m_colSet = g_oColSet;
    state.m_rowAuth = g_oRowAuth;
    state.m_colAuth = g_oColAuth;
    state.m_unsavedColSet = g_cUnSavedColSet;
    state.m_authCustomerW = g_cAuthCustomerW;
    state.m_rowAuthInv = g_sRowAuthInv;
    state.m_rowAuthWarehouse = g_sRowAuthWarehouse;
    state.m_rowAuthPerson = g_sRowAuthPerson;
    state.m_rowAuthDept = g_sRowAuthDept;
    state.m_rowAuthVendor = g_sRowAuthVendor;
    state.m_colAuthR = g_cColAuthR;
    state.m_colAuthN = g_cColAuthN;
    state.m_needColAuth = g_bNeedColAuth;
    state.m_specialVersion = g_iSpecialVersion;
    state.m_maxPageSize = g_lMaxPageSize;
    state.m_pageCount = g_lPageCount;
    state.m_canAddArch = g_bCanAddArch;
    state.m_canModifyArch = g_bCanModifyArch;
    state.m_fieldCatalogXml = g_cFieldCatalogXml;
    state.m_colStyle = g_oColStyle;
    state.m_listFields = g_cListFields;
    state.m_colInfoXml = g_cColInfoXml;
    return state;
}

void ListSessionState::restore() const
{
    g_oSrv = m_srv;
    g_oColSet = m_colSet;
    g_oRowAuth = m_rowAuth;
    g_oColAuth = m_colAuth;
    g_cUnSavedColSet = m_unsavedColSet;
    g_cAuthCustomerW = m_authCustomerW;
    g_sRowAuthInv = m_rowAuthInv;
    g_sRowAuthWarehouse = m_rowAuthWarehouse;
    g_sRowAuthPerson = m_rowAuthPerson;
    g_sRowAuthDept = m_rowAuthDept;
    g_sRowAuthVendor = m_rowAuthVendor;
    g_cColAuthR = m_colAuthR;
    g_cColAuthN = m_colAuthN;
    g_bNeedColAuth = m_needColAuth;
    g_iSpecialVersion = m_specialVersion;
    g_lMaxPageSize = m_maxPageSize;
    g_lPageCount = m_pageCount;
    g_bCanAddArch = m_canAddArch;
    g_bCanModifyArch = m_canModifyArch;
    g_cFieldCatalogXml = m_fieldCatalogXml;
    g_oColStyle = m_colStyle;
    g_cListFields = m_listFields;
    g_cColInfoXml = m_colInfoXml;
}

} // namespace customer

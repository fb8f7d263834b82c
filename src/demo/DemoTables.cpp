#include "demo/DemoTables.h"

namespace demo {

QString tableName(DemoTable table)
{
    switch (table) {
    case DemoTable::Division:
        return QStringLiteral("HR_CT007");
    case DemoTable::Customer:
        return QStringLiteral("Customer");
    case DemoTable::CustomerExtra:
        return QStringLiteral("Customer_extradefine");
    case DemoTable::DeliverAddress:
        return QStringLiteral("CusDeliverAdd");
    case DemoTable::CustomerBank:
        return QStringLiteral("CustomerBank");
    case DemoTable::InvoiceCorp:
        return QStringLiteral("CustomerInvoiceCorp");
    case DemoTable::Contact:
        return QStringLiteral("Crm_Contact");
    case DemoTable::CustomerUser:
        return QStringLiteral("customer_user");
    case DemoTable::Receivable:
        return QStringLiteral("Ar_Detail");
    case DemoTable::CreditSum:
        return QStringLiteral("SA_CusCreditSum");
    case DemoTable::Vendor:
        return QStringLiteral("Vendor");
    case DemoTable::Staging:
        return QStringLiteral("customer_import");
    }
    return QString();
}

QStringList columnsOf(DemoTable table)
{
    switch (table) {
    case DemoTable::Division:
        return QStringLiteral("ccodeID cpCodeID vsimpleName vdescription ilevels").split(u' ');
    case DemoTable::Customer: {
#define DEMO_CUSTOMER_NAME(name) QStringLiteral(#name),
        return { DEMO_CUSTOMER_COLUMNS(DEMO_CUSTOMER_NAME) };
#undef DEMO_CUSTOMER_NAME
    }
    case DemoTable::CustomerExtra:
        return { QStringLiteral("cCusCode"),  QStringLiteral("cCDefine1"),
                 QStringLiteral("cCDefine2"), QStringLiteral("cCDefine3"),
                 QStringLiteral("cCDefine4"), QStringLiteral("cCDefine5"),
                 QStringLiteral("cCDefine6"), QStringLiteral("cCDefine7") };
    case DemoTable::DeliverAddress:
        return QStringLiteral("cCusCode cAddCode cDeliverAdd cCusAddressGUID cDeliverUnit "
                              "cLinkPerson cPhone bDefault")
            .split(u' ');
    case DemoTable::CustomerBank:
        return QStringLiteral("cCusCode cBankCode cBranch cAccountNum cAccountName bDefault")
            .split(u' ');
    case DemoTable::InvoiceCorp:
        return QStringLiteral("cCusCode cInvoiceCompany bDefault").split(u' ');
    case DemoTable::Contact:
        return QStringLiteral("OID ID cContactCode cContactName cCusCode cMobilePhone "
                              "cOfficePhone cEmail bcSexID bcDutyID bcMarriageID bcTasteID "
                              "cPrincipal dConSDate")
            .split(u' ');
    case DemoTable::CustomerUser:
        return QStringLiteral("Account_ID User_ID Is_Self").split(u' ');
    case DemoTable::Receivable:
        return QStringLiteral("cDwCode dVouchDate cVouchType cVouchID cDigest cDepCode cPerson "
                              "cexch_name iDAmount iCAmount")
            .split(u' ');
    case DemoTable::CreditSum:
        return QStringLiteral("cCusCode fCreditLine fUsed fAvailable dUpdate").split(u' ');
    case DemoTable::Vendor:
        return QStringLiteral("cVenCode cVenName cVenAbbName cDCCode cVenTradeCCode cVenLPerson "
                              "cVenAddress cVenPostCode cVenPerson cVenPhone cVenFax cVenEmail "
                              "cVenHand bVenService cRelCustomer dVenDevDate")
            .split(u' ');
    case DemoTable::Staging:
        return QStringLiteral("iSourceId iSourceType cCusCode cCusName cCusAbbName cCusAddress "
                              "cCusPhone cCusPPerson cCreatePerson dCusCreateDatetime "
                              "cModifyPerson dModifyDate cCusEmail cMemo cCusFax cLocationSite "
                              "cCusMngTypeCode bTransFlag cSelCol cErrorMsg cCCCode cCusDepart")
            .split(u' ');
    }
    return {};
}

} // namespace demo

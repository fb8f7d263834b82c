#pragma once

#include <QString>
#include <QStringList>

#include <utility>
#include <vector>

// The SQL texts the component sends, with plausible values where it fills in codes, names,
// rights clauses and GUIDs. Every one must translate and run on the company schema.
namespace tsqlcatalogue {

// The write-rights clause of batch modify and the read clause of the list.
inline const QString kRights = QStringLiteral(
    "(customer.cCusCode in (select Account_ID from customer_user where User_ID='demo') or "
    "customer.cCusPPerson is null)");

// The joins of the list query builder, in table order.
inline QString listJoins()
{
    return QStringLiteral(
        " Left join CustomerClass on Customer.cCCCode=CustomerClass.cCCCode "
        " Left Join Department on customer.cCusDepart=Department.cDepCode "
        " Left Join districtClass on customer.cDCCode=districtClass.cDCCode "
        " Left Join Person on customer.cCusPPerson=Person.cPersonCode "
        " Left Join shippingchoice on customer.cCusOType=shippingchoice.cSCCode "
        " Left Join  Warehouse ON Customer.cCusWhCode = Warehouse.cWhCode "
        " Left Join PayCondition ON Customer.cCusPayCond = PayCondition.cPayCode "
        " Left Join tc_type ON Customer.cCusMngTypeCode = tc_type.type_code and "
        "tc_type.obj_type='1'"
        " Left Join Vendor on Customer.cRelVendor=Vendor.cVenCode "
        " Left Join EX_Nation on Customer.cCusCountryCode=EX_Nation.cNationCode "
        " Left Join EX_Port on Customer.cCusPortCode=EX_Port.cPortCode "
        " Left Join Vendor as PriVen on Customer.cPrimaryVen=PriVen.cVenCode "
        " Left Join CustomerRank on Customer.CustomerKCode=CustomerRank.cCusRankCode "
        " Left Join AA_Bank on Customer.cCusBankCode=AA_Bank.cBankCode "
        " Left Join AA_Agreement as SA_AA_Agreement  on "
        "Customer.cCusSAProtocol=SA_AA_Agreement.cCode "
        " Left Join AA_Agreement as EX_AA_Agreement on "
        "Customer.cCusExProtocol=EX_AA_Agreement.cCode "
        " Left Join AA_Agreement as CM_AA_Agreement on "
        "Customer.cCusCMProtocol=CM_AA_Agreement.cCode "
        " Left Join AA_Agreement as Other_AA_Agreement on "
        "Customer.cCusOtherProtocol=Other_AA_Agreement.cCode "
        " Left Join AA_Agreement as Import_AA_Agreement on "
        "Customer.cCusImAgentProtocol=Import_AA_Agreement.cCode "
        " left join (select cCusCode as cinvoicecode ,cCusName as cinvoicename from Customer)  "
        "as  invoice  on  Customer.cInvoiceCompany =invoice.cinvoicecode "
        " left join cCusHeadView  on Customer.cCusHeadCode =cCusHeadView.cCusHeadCode "
        " left join SettleStyle on Customer.cCusSSCode=SettleStyle.cSSCode  "
        " left join AA_AuthClass on Customer.iid=cast(AA_AuthClass.id as nvarchar(40)) "
        " Left Join Customer_extradefine on Customer.cCusCode=Customer_extradefine.cCusCode ");
}

// A column set of thirty fields that needs every join.
inline QString listFields()
{
    return QStringLiteral(
        "cCusMngTypeCode,ccuscode,cCusName,cCusAbbName,CustomerClass.CCCName,districtClass.cDCName,"
        "Department.cDepName,Person.cPersonName,shippingchoice.cSCName,Warehouse.cWhName,"
        "PayCondition.CPayName,tc_type.type_name,Vendor.cVenAbbName,EX_Nation.cNationName,"
        "EX_Port.cPortName,PriVen.cVenAbbName as cCusPriVenName,CustomerRank.cCusRankName,"
        "AA_Bank.cBankName,SA_AA_Agreement.cName as cCusSAProtocolName,EX_AA_Agreement.cName "
        "as cCusExProtocolName,CM_AA_Agreement.cName as cCusCMProtocolName,"
        "Other_AA_Agreement.cName as cCusOtherProtocolName,Import_AA_Agreement.cName as "
        "cCusImAgentProtocolName,invoice.cinvoicename,cCusHeadView.cCusHeadName,"
        "SettleStyle.cSSName,AA_AuthClass.cACName,cCusAddress,cCusPhone,"
        "Customer_extradefine.cCDefine1");
}

// The page statement of the list window: lower-cased, with "ccuscode," qualified.
inline QString listPageStatement(const QString &rights = kRights)
{
    QString statement = QStringLiteral("Select ") + listFields() + QStringLiteral(" from Customer ")
        + listJoins()
        + QStringLiteral(" where isnull(Customer.bTransFlag,0) =0 and Customer.cCCCode like '01%' "
                         "and ")
        + rights + QStringLiteral(" and Customer.cCusCode like '%0%' Order by cCusCode,cCusName");
    return statement.toLower().replace(QStringLiteral("ccuscode,"),
                                       QStringLiteral("Customer.cCusCode,"));
}

inline QString joined(const QStringList &lines)
{
    QString text;
    for (const QString &line : lines)
        text += line + QStringLiteral("\r\n");
    return text;
}

// The values go in unchanged, as the batch modification writes them.
inline QString salespersonScript(
    const QString &oldPerson = QStringLiteral("P01"),
    const QString &newPerson = QStringLiteral("P02"),
    const QString &customer = QStringLiteral("C001"),
    const QString &contact = QStringLiteral("6F9619FF-8B86-D011-B42D-00C04FC964FF"))
{
    return joined({
        "declare @oldPsnNum nvarchar(40)",
        "declare @newPsnNum nvarchar(40)",
        "declare @userId nvarchar(40)",
        "declare @cusCode nvarchar(40)",
        "declare @cusContactCode nvarchar(100)",
        "declare @contact_Id nvarchar(60)",
        "set @oldPsnNum=N'" + oldPerson + "'",
        "set @newPsnNum=N'" + newPerson + "'",
        "set @cusCode=N'" + customer + "'",
        "set @cusContactCode=N'" + contact + "'",
        "if exists(select 1 from UserHRPersonContro where cPsn_Num=@newPsnNum) begin",
        "select @userId=cUser_Id from UserHRPersonContro where cPsn_Num=@oldPsnNum",
        "delete from customer_user where account_id=@cusCode and user_id=@userId",
        "if len(@cusContactCode)>0 begin",
        "select @contact_Id =cContactCode from Crm_Contact where OID=@cusContactCode",
        "and cCusCode=@cusCode",
        "delete from crm_contact_User where Contact_Id=@contact_Id and User_ID=@userId end",
        "select @userId=cUser_Id from UserHRPersonContro where cPsn_Num=@newPsnNum",
        "if not exists(select 1 from customer_user where Account_ID=@cusCode and "
        "User_ID=@userId)",
        "insert into customer_user(account_id,user_id,is_self)values(@cusCode,@userId,1)",
        "if len(@contact_Id)>0 begin",
        "if not exists(select 1 from crm_contact_User where Contact_Id=@contact_Id and "
        "User_ID=@userId)",
        "insert into crm_contact_User (Contact_Id,User_ID,Is_Self)values(@contact_Id,@userId,1)",
        "update Crm_Contact set cPrincipal=@newPsnNum where cContactCode=@contact_Id and "
        "OID=@cusContactCode end end",
    });
}

// The temporary table a download of the marketing import lands its pages in.
inline QString importTempTable()
{
    const QStringList columns = {
        "iSourceId] [varchar](20)",        "iSourceType] [smallint]",
        "cCusMngTypeCode] [nvarchar](32)", "cCusCode] [nvarchar](20)",
        "cCusName] [nvarchar](98)",        "cCusAbbName] [nvarchar](60)",
        "cCusAddress] [nvarchar](255)",    "cCusPhone] [nvarchar](100)",
        "cCusPPerson] [nvarchar](20)",     "cCreatePerson] [nvarchar](20)",
        "dCusCreateDatetime] [datetime]",  "cModifyPerson] [nvarchar](20)",
        "dModifyDate] [datetime]",         "cCusBank] [nvarchar](100)",
        "cCusAccount] [nvarchar](50)",     "cCusEmail] [nvarchar](100)",
        "cMemo] [nvarchar](240)",          "cCusFax] [nvarchar](100)",
        "cLocationSite] [nvarchar](128)",
    };
    QStringList create = { "if OBJECT_ID(N'tempdb..#customer_import') is not null",
                           "truncate table #customer_import", "Else",
                           "CREATE TABLE #customer_import(" };
    for (const QString &column : columns)
        create.append(u'[' + column + QStringLiteral(" NULL,"));
    create.append(QStringLiteral("[cErrorMsg] [nvarchar](500) NULL)"));
    return create.join(QStringLiteral("\r\n"));
}

// The merge of the downloaded pages: new source records, then the known ones.
inline QString importMergeInsert()
{
    return joined({
        "insert into customer_import(iSourceId,iSourceType,cCusMngTypeCode,cCusCode,cCusName,"
        "cCusAbbName,cCusAddress,cCusPhone,"
        "cCusPPerson,cCreatePerson,dCusCreateDatetime,cModifyPerson,dModifyDate,cCusBank,"
        "cCusAccount,cCusEmail,cMemo,cCusFax)"
        "select tmp.iSourceId,tmp.iSourceType,tmp.cCusMngTypeCode,tmp.cCusCode,tmp.cCusName,"
        "tmp.cCusAbbName,tmp.cCusAddress,tmp.cCusPhone,"
        "tmp.cCusPPerson,tmp.cCreatePerson,tmp.dCusCreateDatetime,tmp.cModifyPerson,"
        "tmp.dModifyDate,tmp.cCusBank,tmp.cCusAccount,tmp.cCusEmail,"
        "tmp.cMemo,tmp.cCusFax from  #customer_import tmp left join customer_import on "
        "tmp.iSourceId= customer_import.iSourceId and tmp.iSourceType= "
        "customer_import.iSourceType",
        "Where customer_import.iSourceId Is Null And customer_import.iSourceType Is Null",
    });
}

inline QString importMergeUpdate()
{
    return joined({
        "update customer_import",
        "set cCusMngTypeCode=tmp.cCusMngTypeCode,cCusCode=tmp.cCusCode,",
        "cCusName=tmp.cCusName,cCusAbbName=tmp.cCusAbbName,",
        "cCusAddress=tmp.cCusAddress,cCusPhone=tmp.cCusPhone ,",
        "cCusPPerson=tmp.cCusPPerson,cCreatePerson=tmp.cCreatePerson ,",
        "dCusCreateDatetime=tmp.dCusCreateDatetime,cModifyPerson=tmp.cModifyPerson ,",
        "dModifyDate=tmp.dModifyDate,cCusBank=tmp.cCusBank ,",
        "cCusAccount=tmp.cCusAccount,cCusEmail=tmp.cCusEmail,",
        "cMemo=tmp.cMemo,cCusFax=tmp.cCusFax",
        "from #customer_import tmp inner join  customer_import on "
        "tmp.iSourceId=customer_import.iSourceId and "
        "tmp.iSourceType=customer_import.iSourceType",
    });
}

// The download of the marketing import: temporary table, one page inserted, merged.
inline QString importDownload()
{
    return importTempTable() + QStringLiteral("\r\n")
        + QStringLiteral(
               "insert into #customer_import (iSourceId,iSourceType,cLocationSite,cCusName,"
               "cCusPhone)values('1001',8,'39.9,116.4',N'北京某某科技有限公司','010-88886666')\r\n")
        + importMergeInsert() + importMergeUpdate();
}

// The trade query's code table, named after the list window's GUID: dropped, created, opened
// empty to add the codes, and named in the query's condition.
inline const QString kCodeTable = QStringLiteral("3F2504E04F8911D39A0C0305E82C3301CusCodeList");

inline QString codeTableDrop()
{
    return QStringLiteral("IF OBJECT_ID('") + kCodeTable
        + QStringLiteral("') IS NOT NULL DROP TABLE  ") + kCodeTable;
}

inline QString codeTableCreate()
{
    return QStringLiteral(" CREATE TABLE ") + kCodeTable
        + QStringLiteral("( cCusCode nvarchar(40))");
}

inline QString codeTableOpen()
{
    return QStringLiteral("select top 0  * from ") + kCodeTable;
}

inline QString codeTableCustomers()
{
    return QStringLiteral("select * from customer where cCusCode in ( select  cCusCode from ")
        + kCodeTable + u')';
}

inline QString codeTable()
{
    return QStringList{ codeTableDrop(), codeTableCreate(), codeTableOpen(), codeTableCustomers() }
        .join(QStringLiteral("\r\n"));
}

inline QString batchModifyHead()
{
    return QStringLiteral("update customer set cModifyPerson='demo' ,DModifyDate=getdate(), ");
}

inline QString batchModifyJoin(const QString &condition = QStringLiteral("(1=1)and bHomeBranch=1"),
                               const QString &rights = kRights)
{
    return QStringLiteral(" from customer inner join Customer_extradefine on customer.cCusCode "
                          "=Customer_extradefine.cCusCode where ")
        + condition + QStringLiteral(" and ") + rights;
}

// A user-defined field of Customer_extradefine, then the modifier of the customers, in two
// statements parted by a carriage return.
inline QString batchModifyUserField(
    const QString &assignment = QStringLiteral("Customer_extradefine.cCDefine1='红'"),
    const QString &condition = QStringLiteral("(1=1)"), const QString &rights = kRights)
{
    return QStringLiteral("update Customer_extradefine set ") + assignment
        + QStringLiteral(" from customer with(nolock) inner join Customer_extradefine on "
                         "customer.cCusCode =Customer_extradefine.cCusCode where ")
        + condition + QStringLiteral(" and ") + rights
        + QStringLiteral("\rupdate customer set cModifyPerson='demo' ,DModifyDate=getdate()  from "
                         "customer with(nolock) inner join Customer_extradefine on "
                         "customer.cCusCode =Customer_extradefine.cCusCode  where ")
        + condition + QStringLiteral(" and ") + rights;
}

inline std::vector<std::pair<QString, QString>> catalogue()
{
    const QString card = QStringLiteral("C001");
    return {
        { "column dictionary", "select * from KvMeta_001..aa_columndic where ckey='customer'" },
        { "account options", "select * from AccInformation where cSysID='AA' or cSysID='ST'" },
        { "currency", "select top 1 cCurName from kvsystem..ua_account where cAcc_Id='001'" },
        { "price grades",
          "select cPriceID,cDefaultName,cDefineName from sa_pricedef where bused=1 " },
        { "user fields", "select * from userdef where cClass='客户'" },
        { "extra fields", "select top 0 * from Customer_extradefine" },
        { "contact reference",
          "select * from Crm_Contact Left join Customer on Crm_contact.cCuscode=Customer.cCusCode "
          "LEFT JOIN Crm_BaseCode BaseCodeSex ON BaseCodeSex.ID = Crm_Contact.bcSexID LEFT JOIN "
          "Crm_BaseCode BaseCodeDuty ON BaseCodeDuty.ID = Crm_Contact.bcDutyID LEFT JOIN "
          "Crm_BaseCode BaseCodeMarriage ON BaseCodeMarriage.ID = Crm_Contact.bcMarriageID LEFT "
          "JOIN Crm_BaseCode BaseCodeTaste ON BaseCodeTaste.ID = Crm_Contact.bcTasteID  where "
          "Crm_contact.cCuscode='C001'" },
        { "gs option", "select top 1 * from accinformation where csysid='GS' and cname='bGSP'" },
        { "grade definition", "select * from GradeDef where KeyWord='CustomerClass'" },
        { "class tree", "select * from CustomerClass order by ccccode asc" },
        { "list header",
          (QStringLiteral("Select ") + listFields() + QStringLiteral(" from Customer ")
           + listJoins() + QStringLiteral(" where 1=2"))
              .toLower()
              .replace(QStringLiteral("ccuscode,"), QStringLiteral("Customer.cCusCode,")) },
        { "list page", listPageStatement() },
        { "trade query code table", codeTable() },
        { "card field lengths",
          "select Customer.*,Vendor.cVenName,Vendor.cVenAbbName,CustomerClass.cCCName,"
          "districtClass.cDCName,shippingChoice.cSCName,Warehouse.cWhName,Paycondition.cPayName,"
          "Person.cPersonName,Department.cDepName,CustomerRank.ccusRankName,Tradeclass.cTradeCName,"
          "Ex_Nation.cNationName,Ex_Port.cPortName,aa_bank.cBankName from customer,Vendor,"
          "CustomerClass,districtClass,shippingChoice,Warehouse,PayCondition,Person,Department,"
          "EX_Nation,EX_Port,CustomerRank,TradeClass,aa_bank where 1=2" },
        { "rate decimals",
          "select * from AccInformation where cSysID=N'aa' and  cName = 'iRateDecDgt' " },
        { "default management type",
          "select * from tc_type where obj_type=1 and stop_flag=0 and bdefault=1" },
        { "card record",
          "select top 1 ccdefine1,ccdefine2,customer.* from customer  left join "
          "Customer_extradefine  on customer.cCusCode=Customer_extradefine.cCusCode where "
          "Customer.cCusCode='"
              + card + "' and " + kRights },
        { "person department", "select cDepCode from Person where cPersonCode='P01'" },
        { "address guid", "select cCusAddressGUID  from Customer where cCusCode ='C001'" },
        { "new guid", "select  NEWID()as GUID" },
        { "picture",
          "select Picture, cpicturetype from customer inner join AA_Picture on "
          "customer.PictureGUID=AA_Picture.cGUID where cCusCode='C001'" },
        { "duplicate name",
          "select top 1 cCusName,cCusAbbName from customer where (cCusName='甲''s' or "
          "cCusAbbName='甲')  and cCuscode<>'C001'" },
        { "credit dependants",
          "select top 1 * from customer where cCusCreditCompany='C001' and cCuscode<>'C001'" },
        { "credit copy",
          "Update Customer Set bCredit=1,bCreditDate=0,cCusSAProtocol='',cCusExProtocol='',"
          "cCusCMProtocol='',cCusOtherProtocol='',cCusImAgentProtocol='',iCusCreLine=1000,"
          "iCusCreDate=30 where cCusCreditCompany='C001' and cCuscode<>'C001'" },
        { "rights dimensions",
          "SELECT cBusObId,bDeptControl,bPersonControl,bAuthDim1Control,bAuthDim2Control, "
          "bAuthDim3Control,bAuthDim4Control,bCustDimControl FROM aa_busobject_base  WHERE "
          "bAuthDimControl=1 and iAuthType=0 AND bAuthControl=1 AND cBusObId='customer' AND "
          "langid= dbo.UDF_GetLocaleID() " },
        { "dimension names", "SELECT iADTID,cADTName FROM V_AA_AuthDimen_Type ORDER BY iADTID " },
        { "area name", "select  top 1 vsimpleName from HR_CT007  where ccodeID ='110000'" },
        { "customer rights",
          "select s.iADTID,t.cADTName,s.cADCode,s.cADName from customer_auth c  left join "
          "V_AA_AuthDimen_Sub s on c.Privilege_ID=s.cADCode and c.Privilege_Type=s.iADTID inner "
          "join V_AA_AuthDimen_Type t on c.Privilege_Type=t.iADTID   where c.Privilege_Type <> 0 "
          "and c.Account_ID=N'C001' union select '0','部门',cDepCode,cDepName  from Department "
          "where  cDepCode in (select Privilege_ID from customer_auth where Privilege_Type=0 and "
          "Account_ID='C001')" },
        { "dimension type",
          "select iADTID,cADTName,bEnabled from V_AA_AuthDimen_Type where bEnabled=1 and "
          "iADTID='1'" },
        { "department name",
          "select top 1 cDepName as cADName from department where cDepCode='01'" },
        { "dimension value",
          "select top 1 cADName  from  V_AA_AuthDimen_Sub where bEnabled=1 and iADTID='1'and "
          "cADCode='01'" },
        { "credit company", "select top 1 * from customer where cCusCode='C001'" },
        { "related vendor",
          "select cVenName,cDCCode,cVenTradeCCode,cVenLPerson,cVenAddress,cVenPostCode,cVenPerson,"
          "cVenPhone,cVenFax,cVenEmail,cVenHand from vendor where cVenCode='V001'" },
        { "card navigation",
          "select top 1 ccdefine1,a.* from customer a left join Customer_extradefine b on "
          "a.cCusCode=b.cCusCode where a.cCuscode='C001'" },
        { "city codes",
          "select  top 1 ccodeID,isnull(cpCodeID,'') as cpCodeID  from HR_CT007  where "
          "vsimpleName  ='北京'" },
        { "province codes",
          "select  top 1 ccodeID,isnull(cpCodeID,'') as cpCodeID  from HR_CT007  where "
          "vdescription  ='北京市'" },
        { "picture by guid",
          "select top 1 Picture from AA_Picture where "
          "cGUID='6F9619FF-8B86-D011-B42D-00C04FC964FF'" },
        { "batch modify fields",
          "select  * from CustomerClass,DistrictClass,Person,PayCondition,ShippingChoice,warehouse,"
          "Department,Vendor,customer where 1=2" },
        { "batch modify types",
          "select *, (districtclass.cdcname) as cdcname,(person.cpersonname) as "
          "cpersonname,(department.cdepname) as cdepname,(customer.cltccustomercode) as "
          "cltccustomercode  from customer  left join department on "
          "customer.ccusdepart=department.cdepcode  left join districtclass on "
          "customer.cdccode=districtclass.cdccode  left join person on "
          "customer.ccuspperson=person.cpersoncode    where 1=2" },
        { "batch modify count",
          "select Num=count(*) from Customer inner join Customer_extradefine on customer.cCusCode "
          "=Customer_extradefine.cCusCode where (1=1)and ((dEndDate is null "
          ")or(dEndDate>='2024-01-01')) and "
              + kRights },
        { "batch modify targets",
          "select * from Customer inner join Customer_extradefine on customer.cCusCode "
          "=Customer_extradefine.cCusCode where (1=1) and "
              + kRights },
        { "contact mobile",
          "update crm_contact set cMobilePhone='13800000000' where OID "
          "='6F9619FF-8B86-D011-B42D-00C04FC964FF'" },
        { "address guid store",
          "update Customer  set cCusAddressGUID='6F9619FF-8B86-D011-B42D-00C04FC964FF' where "
          "cCusCode='C001'" },
        { "delivery addresses",
          "select cCusAddressGUID from CusDeliverAdd where cCusCode ='C001'" },
        { "delivery address update",
          "update CusDeliverAdd set cDeliverAdd='北京市海淀区'   where cCusCode ='C001' and "
          "cCusAddressGUID ='6F9619FF-8B86-D011-B42D-00C04FC964FF'" },
        { "delivery address delete",
          "delete from CusDeliverAdd  where "
          "cCusAddressGUID='6F9619FF-8B86-D011-B42D-00C04FC964FF'" },
        { "delivery address codes",
          "select  cAddCode ,cCusCode  from CusDeliverAdd  where cCusCode ='C001' order by "
          "cAddCode desc " },
        { "delivery address insert", "select top 0 * from CusDeliverAdd " },
        { "salesperson rights", salespersonScript() },
        { "batch modify empty name",
          batchModifyHead() + "cCusName=cCusAbbName" + batchModifyJoin() },
        { "batch modify empty credit company",
          batchModifyHead() + "Customer.cCusCreditCompany=customer.cCusCode" + batchModifyJoin() },
        { "batch modify user field", batchModifyUserField() },
        { "batch modify trade",
          batchModifyHead()
              + "cCusTradeCCode='01' ,iid=3 ,cTrade=(select top 1 cTradecName from TradeClass "
                "where cTradeCCode='01')"
              + batchModifyJoin() },
        { "batch modify other", batchModifyHead() + "cCCCode=NULL" + batchModifyJoin() },
        { "check class",
          "select top 1  cCCCode from customerclass where bCCEnd=1 and cCCCode = '01'" },
        { "check district", "select top 1 cDCCode from DistrictClass where cDCCode = '01'" },
        { "check head office",
          "select top 1 cCusHeadCode from customer where cCusCode='C001' and " + kRights },
        { "check shipping", "select top 1 cSCCode from shippingchoice where cSCCode='01'" },
        { "check warehouse",
          "select top 1 CWhCode from warehouse where CWhCode='01' and cWhCode in ('01','02')" },
        { "check management type",
          "select top 1 type_code from tc_type where stop_flag=0 and obj_type=1 and "
          "type_code='01'" },
        { "check payment", "select top 1 cPayCode from PayCondition where cPayCode='01'" },
        { "check department",
          "select top 1 cDepCode from Department where bDepEnd=1 and cDepCode='01' and cDepCode "
          "in ('01')" },
        { "check person",
          "select top 1 CPersonCode from Person where CPersonCode='P01' and cPersonCode in "
          "('P01')" },
        { "merge", "select cCusCode,cCusName from customer where 1=2" },
        { "vendor link",
          "select top 1 cVenCode,cRelCustomer from vendor where cRelCustomer='C001'" },
        { "credit sum", "SA_UpdateCusCreditSum 'C001'" },
        { "import selection",
          "update customer_import set cSelCol=''\r\nupdate customer_import set cSelCol='Y' where "
          "autoid in (1,2,-1)" },
        { "import selected rows", "select * from v_customer_import where cSelCol='Y'" },
        { "import transferred",
          "update customer_import set cErrorMsg='' , cCusCode='C009' where AutoID=1" },
        { "import error", "update customer_import set cErrorMsg='编码重复' where AutoID=1" },
        { "import list page",
          "select customer_import.ccuscode,ccusname,customerclass.cccname from Customer_import  "
          "Left join CustomerClass on Customer_import.cCCCode=CustomerClass.cCCCode  where "
          "isnull(Customer_import.bTransFlag,0) =0 order by customer_import.ccuscode" },
        { "import column dictionary",
          "select * from KvMeta_001..aa_columndic where ckey='Customer_import'" },
        { "import download", importDownload() },
        { "import last change",
          "select isnull(max(dModifyDate),'1900-01-01') from customer_import" },
    };
}

} // namespace tsqlcatalogue

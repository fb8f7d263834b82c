-- Company database KVDATA_<account>_<year>: the customer archive, its user-defined fields, the
-- class and reference tables it points at, the staging table of the marketing import, and the
-- receivables and credit tables behind the balance and credit-sum procedures.
--
-- Written in SQL Server's dialect; the data service translates it for its backend. The
-- secondary indexes live in company_indexes.sql, so that a bulk load can run before them.
-- Column sizes follow the suite's usual ones, because windows limit their text fields to the
-- sizes the database reports.

-- Coding rules of the class trees: one digit per level, the number of code characters that
-- level adds (222: 01, 0101, 010101).
CREATE TABLE GradeDef (
    KeyWord nvarchar(30) NOT NULL PRIMARY KEY,
    cDescription nvarchar(60) NULL,
    CODINGRULE nvarchar(30) NOT NULL,
    iMaxLength int NULL
);

CREATE TABLE CustomerClass (
    cCCCode nvarchar(12) NOT NULL PRIMARY KEY,
    cCCName nvarchar(50) NOT NULL,
    iCCGrade int NOT NULL,
    bCCEnd bit NOT NULL DEFAULT (0)
);

CREATE TABLE DistrictClass (
    cDCCode nvarchar(12) NOT NULL PRIMARY KEY,
    cDCName nvarchar(50) NOT NULL,
    iDCGrade int NOT NULL,
    bDCEnd bit NOT NULL DEFAULT (0)
);

CREATE TABLE TradeClass (
    cTradeCCode nvarchar(12) NOT NULL PRIMARY KEY,
    cTradeCName nvarchar(50) NOT NULL,
    iTradeCGrade int NOT NULL,
    bTradeCEnd bit NOT NULL DEFAULT (0)
);

CREATE TABLE Department (
    cDepCode nvarchar(12) NOT NULL PRIMARY KEY,
    cDepName nvarchar(255) NOT NULL,
    iDepGrade int NOT NULL,
    bDepEnd bit NOT NULL DEFAULT (0),
    cDepPerson nvarchar(20) NULL,
    cDepPhone nvarchar(100) NULL,
    cDepMemo nvarchar(120) NULL,
    dDepBeginDate datetime NULL
);

CREATE TABLE Person (
    cPersonCode nvarchar(20) NOT NULL PRIMARY KEY,
    cPersonName nvarchar(40) NOT NULL,
    cDepCode nvarchar(12) NOT NULL,
    cPersonPhone nvarchar(100) NULL,
    cPersonEmail nvarchar(100) NULL,
    fCreditQuantity money NULL,
    dPValidDate datetime NULL,
    dPInValidDate datetime NULL
);

CREATE TABLE Warehouse (
    cWhCode nvarchar(10) NOT NULL PRIMARY KEY,
    cWhName nvarchar(40) NOT NULL,
    cDepCode nvarchar(12) NULL,
    cWhAddress nvarchar(255) NULL,
    cWhPhone nvarchar(100) NULL,
    cWhPerson nvarchar(40) NULL,
    bFreeze bit NOT NULL DEFAULT (0)
);

CREATE TABLE Vendor (
    cVenCode nvarchar(20) NOT NULL PRIMARY KEY,
    cVenName nvarchar(98) NOT NULL,
    cVenAbbName nvarchar(60) NOT NULL,
    cVCCode nvarchar(12) NULL,
    cDCCode nvarchar(12) NULL,
    cVenTradeCCode nvarchar(12) NULL,
    cVenLPerson nvarchar(100) NULL,
    cVenAddress nvarchar(255) NULL,
    cVenPostCode nvarchar(20) NULL,
    cVenPerson nvarchar(50) NULL,
    cVenPhone nvarchar(100) NULL,
    cVenFax nvarchar(100) NULL,
    cVenEmail nvarchar(100) NULL,
    cVenHand nvarchar(100) NULL,
    bVenService bit NOT NULL DEFAULT (0),
    cRelCustomer nvarchar(20) NULL,
    dVenDevDate datetime NULL
);

CREATE TABLE PayCondition (
    cPayCode nvarchar(20) NOT NULL PRIMARY KEY,
    cPayName nvarchar(100) NOT NULL,
    iPayCreDays int NULL,
    fDiscountRate float NULL
);

CREATE TABLE ShippingChoice (
    cSCCode nvarchar(10) NOT NULL PRIMARY KEY,
    cSCName nvarchar(50) NOT NULL,
    cSCMemo nvarchar(120) NULL
);

CREATE TABLE SettleStyle (
    cSSCode nvarchar(20) NOT NULL PRIMARY KEY,
    cSSName nvarchar(40) NOT NULL,
    iSSGrade int NOT NULL,
    bSSEnd bit NOT NULL DEFAULT (0)
);

-- Management types of customers (obj_type 1) and vendors (obj_type 2); new customers take the
-- customer type marked bdefault.
CREATE TABLE tc_type (
    type_code nvarchar(32) NOT NULL,
    type_name nvarchar(100) NOT NULL,
    obj_type int NOT NULL,
    stop_flag bit NOT NULL DEFAULT (0),
    bdefault bit NOT NULL DEFAULT (0),
    PRIMARY KEY (obj_type, type_code)
);

-- iLZYJ is the kind of agreement: 0, 1 sales; 2, 3 export; 5, 6, 8, 9 consignment and
-- instalment; 12 import agency.
CREATE TABLE AA_Agreement (
    cCode nvarchar(20) NOT NULL PRIMARY KEY,
    cName nvarchar(100) NOT NULL,
    iLZYJ int NOT NULL,
    dBeginDate datetime NULL,
    dEndDate datetime NULL,
    cMemo nvarchar(255) NULL
);

CREATE TABLE foreigncurrency (
    cexch_name nvarchar(50) NOT NULL PRIMARY KEY,
    cexch_code nvarchar(8) NOT NULL,
    iDec int NOT NULL DEFAULT (2),
    nRate float NULL,
    bCal bit NOT NULL DEFAULT (0)
);

CREATE TABLE CustomerRank (
    cCusRankCode nvarchar(4) NOT NULL PRIMARY KEY,
    cCusRankName nvarchar(50) NOT NULL,
    cMemo nvarchar(120) NULL
);

CREATE TABLE AA_Bank (
    cBankCode nvarchar(50) NOT NULL PRIMARY KEY,
    cBankName nvarchar(60) NOT NULL,
    cBankEnName nvarchar(100) NULL
);

CREATE TABLE EX_Nation (
    cNationCode nvarchar(10) NOT NULL PRIMARY KEY,
    cNationName nvarchar(60) NOT NULL,
    cNationEnName nvarchar(100) NULL
);

-- iPortattrid: 0 sea port for import and export, 1 import only, 2 foreign port of destination.
CREATE TABLE EX_Port (
    cPortCode nvarchar(10) NOT NULL PRIMARY KEY,
    cPortName nvarchar(60) NOT NULL,
    cNationCode nvarchar(10) NULL,
    iPortattrid int NOT NULL DEFAULT (0)
);

-- Account options by subsystem (AA archives, ST stock, GS GSP).
CREATE TABLE AccInformation (
    cSysID nvarchar(2) NOT NULL,
    cID nvarchar(10) NOT NULL,
    cName nvarchar(50) NOT NULL,
    cCaption nvarchar(100) NULL,
    cType nvarchar(20) NULL,
    cValue nvarchar(255) NULL,
    cDefault nvarchar(255) NULL,
    PRIMARY KEY (cSysID, cName)
);

-- User-defined fields of the archives: items 自定义项1..16 stored in the archive's own columns
-- (cCusDefine1..16) and extended items stored in the *_extradefine table (cCDefine1..).
CREATE TABLE userdef (
    cClass nvarchar(20) NOT NULL,
    CItem nvarchar(20) NOT NULL,
    cItemName nvarchar(40) NULL,
    cDicDbName nvarchar(40) NOT NULL,
    cType nvarchar(10) NOT NULL,
    iLength int NULL,
    iDecimalDigits int NULL,
    cID nvarchar(40) NULL,
    PRIMARY KEY (cClass, CItem)
);

-- The values offered for the user-defined fields whose userdef.cID names a list.
CREATE TABLE UserDefine (
    cID nvarchar(40) NOT NULL,
    cValue nvarchar(120) NOT NULL,
    cAlias nvarchar(120) NULL,
    PRIMARY KEY (cID, cValue)
);

CREATE TABLE sa_pricedef (
    cPriceID smallint NOT NULL PRIMARY KEY,
    cDefaultName nvarchar(40) NOT NULL,
    cDefineName nvarchar(40) NULL,
    bused bit NOT NULL DEFAULT (0)
);

-- Provinces (ilevels 0), cities (1) and counties (2) of China.
CREATE TABLE HR_CT007 (
    ccodeID nvarchar(20) NOT NULL PRIMARY KEY,
    cpCodeID nvarchar(20) NULL,
    vsimpleName nvarchar(60) NOT NULL,
    vdescription nvarchar(200) NOT NULL,
    ilevels int NOT NULL
);

-- Rights classes a customer belongs to through Customer.iId.
CREATE TABLE AA_AuthClass (
    id int NOT NULL PRIMARY KEY,
    cACCode nvarchar(50) NOT NULL,
    cACName nvarchar(100) NOT NULL
);

CREATE TABLE AA_AuthDimenType (
    iADTID int NOT NULL PRIMARY KEY,
    cADTName nvarchar(60) NOT NULL,
    bEnabled bit NOT NULL DEFAULT (1)
);

CREATE TABLE AA_AuthDimenSub (
    iADTID int NOT NULL,
    cADCode nvarchar(50) NOT NULL,
    cADName nvarchar(100) NOT NULL,
    bEnabled bit NOT NULL DEFAULT (1),
    PRIMARY KEY (iADTID, cADCode)
);

-- Business objects whose records carry data rights, per language.
CREATE TABLE aa_busobject_base (
    cBusObId nvarchar(50) NOT NULL,
    langid nvarchar(10) NOT NULL,
    cBusObName nvarchar(100) NOT NULL,
    iAuthType int NOT NULL DEFAULT (0),
    bAuthControl bit NOT NULL DEFAULT (0),
    bAuthDimControl bit NOT NULL DEFAULT (0),
    bDeptControl bit NOT NULL DEFAULT (0),
    bPersonControl bit NOT NULL DEFAULT (0),
    bAuthDim1Control bit NOT NULL DEFAULT (0),
    bAuthDim2Control bit NOT NULL DEFAULT (0),
    bAuthDim3Control bit NOT NULL DEFAULT (0),
    bAuthDim4Control bit NOT NULL DEFAULT (0),
    bCustDimControl bit NOT NULL DEFAULT (0),
    PRIMARY KEY (cBusObId, langid)
);

CREATE TABLE Customer (
    cCusCode nvarchar(20) NOT NULL PRIMARY KEY,
    cCusName nvarchar(98) NOT NULL,
    cCusAbbName nvarchar(60) NOT NULL,
    cCusMnemCode nvarchar(98) NULL,
    cCCCode nvarchar(12) NULL,
    cDCCode nvarchar(12) NULL,
    cCusHeadCode nvarchar(20) NULL,
    cTrade nvarchar(50) NULL,
    cCusTradeCCode nvarchar(12) NULL,
    cCusRegCode nvarchar(50) NULL,
    cCreditAddCode nvarchar(50) NULL,
    cCusLPerson nvarchar(100) NULL,
    cRegCash nvarchar(50) NULL,
    dDepBeginDate datetime NULL,
    iEmployeeNum int NULL,
    cURL nvarchar(255) NULL,
    cCusBank nvarchar(100) NULL,
    cCusAccount nvarchar(50) NULL,
    cCusBankCode nvarchar(50) NULL,
    cCusAddress nvarchar(255) NULL,
    cCusAddressGUID uniqueidentifier NULL,
    cCusOAddress nvarchar(255) NULL,
    cCusPostCode nvarchar(20) NULL,
    cProvince nvarchar(255) NULL,
    cCity nvarchar(255) NULL,
    cCounty nvarchar(255) NULL,
    cLocationSite nvarchar(128) NULL,
    cCusPerson nvarchar(50) NULL,
    cCusContactCode uniqueidentifier NULL,
    cCusEmail nvarchar(100) NULL,
    cCusPhone nvarchar(100) NULL,
    cCusFax nvarchar(100) NULL,
    cCusBP nvarchar(20) NULL,
    cCusHand nvarchar(100) NULL,
    cCusPPerson nvarchar(20) NULL,
    cCusDepart nvarchar(12) NULL,
    cCusSSCode nvarchar(20) NULL,
    cCusOType nvarchar(10) NULL,
    cCusWhCode nvarchar(10) NULL,
    cCusPayCond nvarchar(20) NULL,
    cCusMngTypeCode nvarchar(32) NULL,
    CustomerKCode nvarchar(4) NULL,
    cCusExch_name nvarchar(50) NULL,
    cRelVendor nvarchar(20) NULL,
    cInvoiceCompany nvarchar(60) NULL,
    iARMoney money NULL,
    dLastDate datetime NULL,
    iLastMoney money NULL,
    dLRDate datetime NULL,
    iLRMoney money NULL,
    iFrequency int NULL,
    iCusDisRate float NULL,
    fCusDiscountRate float NULL,
    iCusTaxRate float NULL,
    fAdvancePaymentRatio float NULL,
    cCusCreGrade nvarchar(6) NULL,
    iCusCreLine money NULL,
    iCusCreDate int NULL,
    bCredit bit NULL DEFAULT (0),
    bCreditDate bit NULL DEFAULT (0),
    bCreditByHead bit NULL DEFAULT (0),
    bLimitSale bit NULL DEFAULT (0),
    cCusCreditCompany nvarchar(20) NULL,
    cCusSAProtocol nvarchar(20) NULL,
    cCusExProtocol nvarchar(20) NULL,
    cCusCMProtocol nvarchar(20) NULL,
    cCusOtherProtocol nvarchar(20) NULL,
    cCusImAgentProtocol nvarchar(20) NULL,
    cPriceGroup nvarchar(20) NULL,
    cOfferGrade nvarchar(20) NULL,
    iOfferRate float NULL,
    iCostGrade smallint NULL,
    dCusDevDate datetime NULL,
    dEndDate datetime NULL,
    dRecentlyContractTime datetime NULL,
    dTouchedTime datetime NULL,
    dRecentlyInvoiceTime datetime NULL,
    dRecentlyQuoteTime datetime NULL,
    dRecentlyActivityTime datetime NULL,
    dRecentlyChanceTime datetime NULL,
    dRecentContractDate datetime NULL,
    dRecentDeliveryDate datetime NULL,
    dRecentOutboundDate datetime NULL,
    fExpense float NULL,
    fApprovedExpense float NULL,
    bCusDomestic bit NULL DEFAULT (1),
    bCusOverseas bit NULL DEFAULT (0),
    bServiceAttribute bit NULL DEFAULT (0),
    bRequestSign bit NULL DEFAULT (0),
    bCusState bit NULL DEFAULT (0),
    bShop smallint NULL DEFAULT (0),
    bOnGPinStore bit NULL DEFAULT (0),
    cCusAppDocNo nvarchar(50) NULL,
    cMemo nvarchar(1000) NULL,
    bLicenceDate bit NULL DEFAULT (0),
    iLicenceADays int NULL,
    dLicenceSDate datetime NULL,
    dLicenceEDate datetime NULL,
    bBusinessDate bit NULL DEFAULT (0),
    iBusinessADays int NULL,
    dBusinessSDate datetime NULL,
    dBusinessEDate datetime NULL,
    bProxy bit NULL DEFAULT (0),
    iProxyADays int NULL,
    dProxySDate datetime NULL,
    dProxyEDate datetime NULL,
    iCusGSPType smallint NULL,
    iCusGSPAuth smallint NULL,
    iCusGSPADays int NULL,
    dCusGSPSDate datetime NULL,
    dCusGSPEDate datetime NULL,
    cLicenceNo nvarchar(120) NULL,
    cLicenceRange nvarchar(255) NULL,
    cCusLicenceNo nvarchar(20) NULL,
    cCusBusinessNo nvarchar(120) NULL,
    cCusBusinessRange nvarchar(255) NULL,
    cCusGSPAuthNo nvarchar(120) NULL,
    cCusGSPAuthRange nvarchar(255) NULL,
    cCusCountryCode nvarchar(10) NULL,
    cCusEnName nvarchar(100) NULL,
    cCusEnAddr1 nvarchar(60) NULL,
    cCusEnAddr2 nvarchar(60) NULL,
    cCusEnAddr3 nvarchar(60) NULL,
    cCusEnAddr4 nvarchar(60) NULL,
    cCusPortCode nvarchar(10) NULL,
    cPrimaryVen nvarchar(20) NULL,
    fCommisionRate float NULL,
    fInsueRate float NULL,
    bHomeBranch bit NULL DEFAULT (0),
    cBranchAddr nvarchar(255) NULL,
    cBranchPhone nvarchar(100) NULL,
    cBranchPerson nvarchar(50) NULL,
    cLtcCustomerCode nvarchar(100) NULL,
    cLtcPerson nvarchar(40) NULL,
    dLtcDate datetime NULL,
    bTransFlag bit NULL DEFAULT (0),
    account_type numeric(22, 0) NULL,
    iSourceType smallint NULL,
    iSourceId varchar(20) NULL,
    alloct_dept_time datetime NULL,
    allot_user_time datetime NULL,
    recyle_dept_time datetime NULL,
    recyle_pub_time datetime NULL,
    cCusDefine1 nvarchar(20) NULL,
    cCusDefine2 nvarchar(20) NULL,
    cCusDefine3 nvarchar(20) NULL,
    cCusDefine4 nvarchar(60) NULL,
    cCusDefine5 nvarchar(60) NULL,
    cCusDefine6 nvarchar(60) NULL,
    cCusDefine7 nvarchar(120) NULL,
    cCusDefine8 nvarchar(120) NULL,
    cCusDefine9 nvarchar(120) NULL,
    cCusDefine10 nvarchar(120) NULL,
    cCusDefine11 int NULL,
    cCusDefine12 int NULL,
    cCusDefine13 float NULL,
    cCusDefine14 float NULL,
    cCusDefine15 datetime NULL,
    cCusDefine16 datetime NULL,
    PictureGUID uniqueidentifier NULL,
    bIsCusAttachFile bit NULL DEFAULT (0),
    iId nvarchar(40) NULL,
    cCreatePerson nvarchar(20) NULL,
    dCusCreateDatetime datetime NULL DEFAULT (getdate()),
    cModifyPerson nvarchar(20) NULL,
    dModifyDate datetime NULL DEFAULT (getdate())
);

-- One row per customer: the list joins it to every customer, the batch modification
-- requires it.
CREATE TABLE Customer_extradefine (
    cCusCode nvarchar(20) NOT NULL PRIMARY KEY,
    cCDefine1 nvarchar(120) NULL,
    cCDefine2 nvarchar(120) NULL,
    cCDefine3 decimal(18, 2) NULL,
    cCDefine4 datetime NULL,
    cCDefine5 int NULL,
    cCDefine6 datetime NULL,
    cCDefine7 nvarchar(120) NULL
);

CREATE VIEW cCusHeadView AS
SELECT cCusCode AS cCusHeadCode, cCusName AS cCusHeadName, cCusAbbName AS cCusHeadAbbName
FROM Customer;

-- Delivery addresses; the customer's own address is the row with its cCusAddressGUID.
CREATE TABLE CusDeliverAdd (
    AutoID int IDENTITY(1, 1) NOT NULL PRIMARY KEY,
    cCusCode nvarchar(20) NOT NULL,
    cAddCode nvarchar(30) NOT NULL,
    cDeliverAdd nvarchar(255) NULL,
    cCusAddressGUID uniqueidentifier NULL,
    cDeliverUnit nvarchar(98) NULL,
    cLinkPerson nvarchar(50) NULL,
    cPhone nvarchar(100) NULL,
    bDefault bit NOT NULL DEFAULT (0)
);

CREATE TABLE CustomerBank (
    AutoID int IDENTITY(1, 1) NOT NULL PRIMARY KEY,
    cCusCode nvarchar(20) NOT NULL,
    cBankCode nvarchar(50) NULL,
    cBranch nvarchar(100) NOT NULL,
    cAccountNum nvarchar(50) NOT NULL,
    cAccountName nvarchar(98) NULL,
    bDefault bit NOT NULL DEFAULT (0)
);

-- Invoice units: the customers (or outside companies) that invoices of a customer go to.
CREATE TABLE CustomerInvoiceCorp (
    AutoID int IDENTITY(1, 1) NOT NULL PRIMARY KEY,
    cCusCode nvarchar(20) NOT NULL,
    cInvoiceCompany nvarchar(20) NOT NULL,
    bDefault bit NOT NULL DEFAULT (0)
);

-- Staff of the company responsible for a customer besides its salesperson.
CREATE TABLE CustomerPerson (
    AutoID int IDENTITY(1, 1) NOT NULL PRIMARY KEY,
    cCusCode nvarchar(20) NOT NULL,
    cPersonCode nvarchar(20) NOT NULL,
    bDefault bit NOT NULL DEFAULT (0)
);

-- Data rights of a customer: Privilege_Type is a rights dimension (0 department), Privilege_ID
-- a value in it.
CREATE TABLE customer_auth (
    AutoID int IDENTITY(1, 1) NOT NULL PRIMARY KEY,
    Account_ID nvarchar(20) NOT NULL,
    Privilege_Type int NOT NULL,
    Privilege_ID nvarchar(50) NOT NULL
);

CREATE VIEW V_AA_AuthDimen_Type AS
SELECT iADTID, cADTName, bEnabled FROM AA_AuthDimenType;

CREATE VIEW V_AA_AuthDimen_Sub AS
SELECT iADTID, cADCode, cADName, bEnabled FROM AA_AuthDimenSub
UNION ALL
SELECT 0, cDepCode, cDepName, 1 FROM Department;

CREATE TABLE customer_user (
    Account_ID nvarchar(20) NOT NULL,
    User_ID nvarchar(20) NOT NULL,
    Is_Self bit NOT NULL DEFAULT (0),
    PRIMARY KEY (Account_ID, User_ID)
);

-- Which salesperson a user of the system is.
CREATE TABLE UserHRPersonContro (
    cUser_Id nvarchar(20) NOT NULL PRIMARY KEY,
    cPsn_Num nvarchar(20) NOT NULL
);

CREATE TABLE Crm_BaseCode (
    ID int NOT NULL PRIMARY KEY,
    cTypeCode nvarchar(20) NOT NULL,
    cCode nvarchar(20) NOT NULL,
    cName nvarchar(50) NOT NULL
);

CREATE TABLE Crm_Contact (
    OID uniqueidentifier NOT NULL PRIMARY KEY,
    ID nvarchar(60) NOT NULL,
    cContactCode nvarchar(60) NOT NULL,
    cContactName nvarchar(50) NOT NULL,
    cCusCode nvarchar(20) NULL,
    cMobilePhone nvarchar(100) NULL,
    cOfficePhone nvarchar(100) NULL,
    cEmail nvarchar(100) NULL,
    bcSexID int NULL,
    bcDutyID int NULL,
    bcMarriageID int NULL,
    bcTasteID int NULL,
    cPrincipal nvarchar(20) NULL,
    dConSDate datetime NULL,
    dConEDate datetime NULL
);

CREATE TABLE crm_contact_User (
    Contact_Id nvarchar(60) NOT NULL,
    User_ID nvarchar(20) NOT NULL,
    Is_Self bit NOT NULL DEFAULT (0),
    PRIMARY KEY (Contact_Id, User_ID)
);

CREATE TABLE AA_Picture (
    cGUID uniqueidentifier NOT NULL PRIMARY KEY,
    Picture image NULL,
    cPictureType nvarchar(20) NULL
);

-- Receivables ledger: debits (invoices) and credits (receipts) per customer (cDwCode).
CREATE TABLE Ar_Detail (
    Auto_ID int IDENTITY(1, 1) NOT NULL PRIMARY KEY,
    cDwCode nvarchar(20) NOT NULL,
    dVouchDate datetime NOT NULL,
    cVouchType nvarchar(10) NOT NULL,
    cVouchID nvarchar(30) NOT NULL,
    cDigest nvarchar(120) NULL,
    cDepCode nvarchar(12) NULL,
    cPerson nvarchar(20) NULL,
    cexch_name nvarchar(50) NULL,
    iDAmount money NOT NULL DEFAULT (0),
    iCAmount money NOT NULL DEFAULT (0)
);

-- Credit used and available per credit company, kept by SA_UpdateCusCreditSum.
CREATE TABLE SA_CusCreditSum (
    cCusCode nvarchar(20) NOT NULL PRIMARY KEY,
    fCreditLine money NULL,
    fUsed money NULL,
    fAvailable money NULL,
    dUpdate datetime NULL DEFAULT (getdate())
);

-- Staging table of the customers downloaded from the marketing service.
CREATE TABLE customer_import (
    AutoID int IDENTITY(1, 1) NOT NULL PRIMARY KEY,
    cCusCode nvarchar(20) NULL,
    cCusName nvarchar(98) NULL,
    cCusAbbName nvarchar(60) NULL,
    cCCCode nvarchar(12) NULL,
    cDCCode nvarchar(12) NULL,
    cTrade nvarchar(50) NULL,
    cCusAddress nvarchar(255) NULL,
    cCusPostCode nvarchar(20) NULL,
    cCusRegCode nvarchar(50) NULL,
    cCusBank nvarchar(100) NULL,
    cCusAccount nvarchar(50) NULL,
    dCusDevDate datetime NULL,
    cCusLPerson nvarchar(100) NULL,
    cCusEmail nvarchar(100) NULL,
    cCusPerson nvarchar(50) NULL,
    cCusPhone nvarchar(100) NULL,
    cCusFax nvarchar(100) NULL,
    cCusBP nvarchar(20) NULL,
    cCusHand nvarchar(100) NULL,
    cCusPPerson nvarchar(20) NULL,
    iCusDisRate float NULL,
    cCusCreGrade nvarchar(6) NULL,
    iCusCreLine float NULL,
    iCusCreDate int NULL,
    cCusPayCond nvarchar(20) NULL,
    cCusOAddress nvarchar(255) NULL,
    cCusOType nvarchar(10) NULL,
    cCusHeadCode nvarchar(20) NULL,
    cCusWhCode nvarchar(10) NULL,
    cCusDepart nvarchar(12) NULL,
    iARMoney float NULL,
    dLastDate datetime NULL,
    iLastMoney float NULL,
    dLRDate datetime NULL,
    iLRMoney float NULL,
    dEndDate datetime NULL,
    iFrequency int NULL,
    cCusDefine1 nvarchar(20) NULL,
    cCusDefine2 nvarchar(20) NULL,
    cCusDefine3 nvarchar(20) NULL,
    iCostGrade smallint NULL,
    cCreatePerson nvarchar(20) NULL,
    cModifyPerson nvarchar(20) NULL,
    dModifyDate datetime NULL,
    cRelVendor nvarchar(20) NULL,
    iId nvarchar(40) NULL,
    cPriceGroup nvarchar(20) NULL,
    cOfferGrade nvarchar(20) NULL,
    iOfferRate float NULL,
    cCusDefine4 nvarchar(60) NULL,
    cCusDefine5 nvarchar(60) NULL,
    cCusDefine6 nvarchar(60) NULL,
    cCusDefine7 nvarchar(120) NULL,
    cCusDefine8 nvarchar(120) NULL,
    cCusDefine9 nvarchar(120) NULL,
    cCusDefine10 nvarchar(120) NULL,
    cCusDefine11 int NULL,
    cCusDefine12 int NULL,
    cCusDefine13 float NULL,
    cCusDefine14 float NULL,
    cCusDefine15 datetime NULL,
    cCusDefine16 datetime NULL,
    pubkvts timestamp NULL,
    cInvoiceCompany nvarchar(60) NULL,
    bCredit bit NULL,
    bCreditDate bit NULL,
    bCreditByHead bit NULL,
    bLicenceDate bit NULL,
    dLicenceSDate datetime NULL,
    dLicenceEDate datetime NULL,
    iLicenceADays int NULL,
    bBusinessDate bit NULL,
    dBusinessSDate datetime NULL,
    dBusinessEDate datetime NULL,
    iBusinessADays int NULL,
    bProxy bit NULL,
    dProxySDate datetime NULL,
    dProxyEDate datetime NULL,
    iProxyADays int NULL,
    cMemo nvarchar(1000) NULL,
    bLimitSale bit NULL,
    cCusContactCode uniqueidentifier NULL,
    cCusCountryCode nvarchar(10) NULL,
    cCusEnName nvarchar(100) NULL,
    cCusEnAddr1 nvarchar(60) NULL,
    cCusEnAddr2 nvarchar(60) NULL,
    cCusEnAddr3 nvarchar(60) NULL,
    cCusEnAddr4 nvarchar(60) NULL,
    cCusPortCode nvarchar(10) NULL,
    cPrimaryVen nvarchar(20) NULL,
    fCommisionRate float NULL,
    fInsueRate float NULL,
    bHomeBranch bit NULL,
    cBranchAddr nvarchar(255) NULL,
    cBranchPhone nvarchar(100) NULL,
    cBranchPerson nvarchar(50) NULL,
    cCusTradeCCode nvarchar(12) NULL,
    CustomerKCode nvarchar(4) NULL,
    bCusState bit NULL,
    bShop smallint NULL,
    cCusBankCode nvarchar(50) NULL,
    cCusExch_name nvarchar(50) NULL,
    iCusGSPType smallint NULL,
    iCusGSPAuth smallint NULL,
    cCusGSPAuthNo nvarchar(120) NULL,
    cCusBusinessNo nvarchar(120) NULL,
    cCusLicenceNo nvarchar(20) NULL,
    bCusDomestic bit NULL,
    bCusOverseas bit NULL,
    cCusCreditCompany nvarchar(20) NULL,
    cCusSAProtocol nvarchar(20) NULL,
    cCusExProtocol nvarchar(20) NULL,
    cCusOtherProtocol nvarchar(20) NULL,
    fCusDiscountRate float NULL,
    cCusSSCode nvarchar(20) NULL,
    cCusCMProtocol nvarchar(20) NULL,
    dCusCreateDatetime datetime NULL,
    cCusAppDocNo nvarchar(50) NULL,
    cCusMnemCode nvarchar(98) NULL,
    fAdvancePaymentRatio float NULL,
    bServiceAttribute bit NULL,
    bRequestSign bit NULL,
    bOnGPinStore bit NULL,
    cCusMngTypeCode nvarchar(32) NULL,
    account_type numeric(22, 0) NULL,
    cCusImAgentProtocol nvarchar(20) NULL,
    iSourceType smallint NULL,
    iSourceId varchar(20) NULL,
    fExpense float NULL,
    fApprovedExpense float NULL,
    dTouchedTime datetime NULL,
    dRecentlyInvoiceTime datetime NULL,
    dRecentlyQuoteTime datetime NULL,
    dRecentlyActivityTime datetime NULL,
    dRecentlyChanceTime datetime NULL,
    dRecentlyContractTime datetime NULL,
    cLtcCustomerCode nvarchar(100) NULL,
    bTransFlag bit NULL,
    cLtcPerson nvarchar(40) NULL,
    dLtcDate datetime NULL,
    cLocationSite nvarchar(128) NULL,
    iCusTaxRate float NULL,
    alloct_dept_time datetime NULL,
    allot_user_time datetime NULL,
    recyle_dept_time datetime NULL,
    recyle_pub_time datetime NULL,
    cLicenceNo nvarchar(120) NULL,
    cLicenceRange nvarchar(255) NULL,
    cCusBusinessRange nvarchar(255) NULL,
    cCusGSPAuthRange nvarchar(255) NULL,
    dCusGSPEDate datetime NULL,
    dCusGSPSDate datetime NULL,
    iCusGSPADays int NULL,
    bIsCusAttachFile bit NULL,
    dRecentContractDate datetime NULL,
    dRecentDeliveryDate datetime NULL,
    dRecentOutboundDate datetime NULL,
    cProvince nvarchar(255) NULL,
    cCity nvarchar(255) NULL,
    cCounty nvarchar(255) NULL,
    cCusAddressGUID uniqueidentifier NULL,
    cAddCode nvarchar(30) NULL,
    cState nvarchar(20) NULL,
    cSelCol nvarchar(10) NULL,
    cErrorMsg nvarchar(500) NULL
);

-- The staging rows as the transfer into the archive reads them.
CREATE VIEW v_customer_import AS
SELECT AutoID, cSelCol, cErrorMsg, bTransFlag, cCusCode, cLtcCustomerCode, cCusName,
    cCusAbbName, cCusMnemCode, cCCCode, cDCCode, cCusHeadCode, cTrade, cCusAddress,
    cCusPostCode, cCusPerson, cCusEmail, cCusPhone, cCusFax, cCusHand, iCusDisRate,
    cCusCreGrade, iCusCreLine, iCusCreDate, cCusMngTypeCode, cCusDepart, cCusPPerson,
    cCreatePerson, cModifyPerson, dModifyDate, cRelVendor, dCusDevDate, dCusCreateDatetime,
    CustomerKCode, cCusTradeCCode, cCusExch_name, bCusDomestic, bCusOverseas, bServiceAttribute,
    bCredit, bCreditDate, bLimitSale, cCusCreditCompany, cCusSAProtocol, cCusExProtocol,
    cCusCMProtocol, cCusOtherProtocol, cCusImAgentProtocol, cMemo, bOnGPinStore, bCusState,
    bRequestSign, bHomeBranch, cLocationSite, iSourceId, iSourceType
FROM customer_import;

-- Numbering rules of the archives: a new code of the object (the table of that name, its code
-- in cCodeField) is its prefix parts, in iOrder, followed by a serial of iSerialLength digits.
-- A part is fixed text (cKind 'text', the text in cValue), a value of the record being entered
-- ('field', the element name in cValue, such as ccccode) or its date ('date', the Qt date
-- format in cValue, such as yyyyMM). Serials count separately for every prefix.
CREATE TABLE VoucherNumber (
    cObject nvarchar(30) NOT NULL PRIMARY KEY,
    cCodeField nvarchar(30) NOT NULL,
    bAutoCode bit NOT NULL DEFAULT (1),
    bManualChange bit NOT NULL DEFAULT (1),
    iSerialLength int NOT NULL,
    iSerialStart int NOT NULL DEFAULT (1)
);

CREATE TABLE VoucherNumberPart (
    cObject nvarchar(30) NOT NULL,
    iOrder int NOT NULL,
    cKind nvarchar(10) NOT NULL,
    cValue nvarchar(30) NOT NULL,
    PRIMARY KEY (cObject, iOrder)
);

-- The last serial that saved records used, per object and prefix.
CREATE TABLE VoucherHistory (
    cObject nvarchar(30) NOT NULL,
    cPrefix nvarchar(60) NOT NULL,
    iLastNumber int NOT NULL,
    PRIMARY KEY (cObject, cPrefix)
);

-- Row rights of the users who are not administrators (kvsystem..ua_user.bAdmin): what they may
-- read (cFuncId 'R') or read and change ('W') of a business object (customer, department,
-- person, warehouse, vendor). A user without rows on an object is not limited on it; with rows,
-- every dimension they name must grant: 'class' a class and its sub-classes (customers,
-- vendors), 'department' a department (customers, persons), 'code' one record.
CREATE TABLE AA_HoldAuth (
    AutoID int IDENTITY(1, 1) NOT NULL PRIMARY KEY,
    cUser_Id nvarchar(20) NOT NULL,
    cBusObId nvarchar(50) NOT NULL,
    cFuncId nvarchar(1) NOT NULL,
    cDimension nvarchar(20) NOT NULL,
    cCode nvarchar(50) NOT NULL
);

-- Column rights of those users: the fields of a business object they may only read (cLevel
-- 'R') or may neither read nor change ('N').
CREATE TABLE AA_HoldColAuth (
    AutoID int IDENTITY(1, 1) NOT NULL PRIMARY KEY,
    cUser_Id nvarchar(20) NOT NULL,
    cBusObId nvarchar(50) NOT NULL,
    cFieldName nvarchar(60) NOT NULL,
    cLevel nvarchar(1) NOT NULL
);

-- Function rights of those users: the functions of the portal (such as Customer) they may use.
CREATE TABLE AA_HoldFuncAuth (
    cUser_Id nvarchar(20) NOT NULL,
    cAuth_Id nvarchar(60) NOT NULL,
    PRIMARY KEY (cUser_Id, cAuth_Id)
);

-- The rights a new record starts with because of its class (cKind 'class'), district
-- ('district') or trade ('trade'): values cADCode of the rights dimensions iADTID (as in
-- V_AA_AuthDimen_Type). They hold for the sub-classes of cCode too, unless one has its own.
CREATE TABLE AA_ClassDefaultAuth (
    AutoID int IDENTITY(1, 1) NOT NULL PRIMARY KEY,
    cBusObId nvarchar(50) NOT NULL,
    cKind nvarchar(20) NOT NULL,
    cCode nvarchar(50) NOT NULL,
    iADTID int NOT NULL,
    cADCode nvarchar(50) NOT NULL
);

-- The rights class (AA_AuthClass.id, kept in Customer.iId) of the records of a class, district
-- or trade, with the same inheritance.
CREATE TABLE AA_ClassAuthGroup (
    cBusObId nvarchar(50) NOT NULL,
    cKind nvarchar(20) NOT NULL,
    cCode nvarchar(50) NOT NULL,
    iAuthClassId int NOT NULL,
    PRIMARY KEY (cBusObId, cKind, cCode)
);

-- Whether users may add and modify the records of an archive; an archive without a row allows
-- both.
CREATE TABLE AA_ArchiveOption (
    cArch nvarchar(60) NOT NULL PRIMARY KEY,
    bCanAdd bit NOT NULL DEFAULT (1),
    bCanModify bit NOT NULL DEFAULT (1)
);

-- Per-user settings of the archive windows, such as the list's page size.
CREATE TABLE AA_UserSetting (
    cUser_Id nvarchar(20) NOT NULL,
    cObject nvarchar(60) NOT NULL,
    cKey nvarchar(60) NOT NULL,
    cValue nvarchar(2000) NULL,
    PRIMARY KEY (cUser_Id, cObject, cKey)
);

-- The toolbar sets: which buttons of a window's toolbar a user sees, in which order. Rows with an
-- empty cUser_Id are the set of every user who has none of his own.
CREATE TABLE AA_ToolbarSet (
    cSubSysId nvarchar(10) NOT NULL,
    cToolbarSet nvarchar(60) NOT NULL,
    cUser_Id nvarchar(20) NOT NULL DEFAULT (N''),
    cButtonKey nvarchar(60) NOT NULL,
    iOrder int NOT NULL,
    bVisible bit NOT NULL DEFAULT (1),
    PRIMARY KEY (cSubSysId, cToolbarSet, cUser_Id, cButtonKey)
);

-- The page styles the print control uses, per object (lower-cased, "customer") and print key
-- ("setup", "print", ...); cStyle is the style's text form. Companies made before this table
-- get it when the first style is stored.
CREATE TABLE AA_PrintStyle (
    cObject nvarchar(60) NOT NULL,
    cKey nvarchar(60) NOT NULL,
    cStyle nvarchar(400) NOT NULL,
    PRIMARY KEY (cObject, cKey)
);

-- The operations on archives that concern many records (batch modify: iOperation 4), with the
-- condition they used; cState '0' when one started, '1' when it was committed.
CREATE TABLE AA_ArchiveLog (
    AutoID int IDENTITY(1, 1) NOT NULL PRIMARY KEY,
    cUser_Id nvarchar(20) NOT NULL,
    cObject nvarchar(60) NOT NULL,
    iOperation int NOT NULL,
    cId nvarchar(60) NULL,
    cState nvarchar(10) NULL,
    cDescription nvarchar(4000) NULL,
    cCondition nvarchar(4000) NULL,
    dTime datetime NOT NULL
);

-- Records that left an archive (a customer merged into another): the rows the record had in
-- each of its tables, as a persisted record set (cRows), under one cLogId, for the delete-log
-- viewer to show the record as it was.
CREATE TABLE AA_DeleteLog (
    AutoID int IDENTITY(1, 1) NOT NULL PRIMARY KEY,
    cLogId nvarchar(40) NOT NULL,
    cObject nvarchar(60) NOT NULL,
    cId nvarchar(100) NOT NULL,
    cTable nvarchar(60) NOT NULL,
    cRows ntext NULL,
    cDescription nvarchar(255) NULL,
    dTime datetime NOT NULL
);

-- The column sets of the lists, per user and key ("Customer", "Customer_import", "Ref" + table):
-- one row per column, in the user's order. A user without rows for a key sees the key's default
-- set, taken from its field catalogue.
CREATE TABLE AA_ColumnSet (
    cUser_Id nvarchar(20) NOT NULL,
    cKey nvarchar(60) NOT NULL,
    cFieldName nvarchar(100) NOT NULL,
    cCaption nvarchar(100) NULL,
    cOrgCaption nvarchar(100) NULL,
    bShow bit NOT NULL DEFAULT (1),
    iWidth int NOT NULL DEFAULT (100),
    iOrder int NOT NULL,
    cSort nvarchar(4) NULL,
    bMustInput bit NOT NULL DEFAULT (0),
    bFixed bit NOT NULL DEFAULT (0),
    PRIMARY KEY (cUser_Id, cKey, cFieldName)
);

-- Files attached to archive records (cObject 'customer', cRecordId the record's code), kept in
-- the company database so that every client of the company sees them.
CREATE TABLE AA_AttachFile (
    cFileId nvarchar(40) NOT NULL PRIMARY KEY,
    cObject nvarchar(60) NOT NULL,
    cRecordId nvarchar(100) NOT NULL,
    cFileName nvarchar(255) NOT NULL,
    iSize bigint NOT NULL DEFAULT (0),
    dUpload datetime NULL DEFAULT (getdate()),
    cUser nvarchar(20) NULL,
    Content image NULL
);

CREATE INDEX IX_AA_AttachFile_Record ON AA_AttachFile (cObject, cRecordId);

#include "CatalogueSessionFixture.h"

#include "catalogue/FieldCatalogue.h"
#include "catalogue/ModuleFlags.h"
#include "suite/core/XmlDocument.h"

using namespace customer;

namespace {

// The demo company's catalogue, written out by hand in pieces: the fields every company has,
// the GSP licence fields, the export fields, and the user-defined and extended fields of the
// demo company.
// clang-format off
const QString kRoot = QStringLiteral("<Customer bWeb='0' url='' noauthflds=''>");

const QString kFirstFields = QStringLiteral(
    "<Customer.CCusCode showfldname='客户编码'  reftype='ref' cRefID='Customer_AA' cRetFld='cCusCode' bmulmodify='0' bBadStrException='0'/>"
    "<CCusAbbName showfldname='客户简称'  reftype='ref' cRefID='Customer_AA' cRetFld='CCusAbbName' bmulmodify='0' bBadStrException='0'/>"
    "<CCusName showfldname='客户名称'  reftype='ref' cRefID='Customer_AA' cRetFld='CCusName' bmulmodify='0' bBadStrException='0'/>"
    "<Customer.cCCCode showfldname='所属分类码'  reftype='ref' cRefID='CustomerClass_AA' cRetFld='cCCCode' bmulmodify='1' bBadStrException='0'/>"
    "<Customer.cDCCode showfldname='所属地区码'  reftype='ref' cRefID='DistrictClass_AA' cRetFld='cDCCode' bmulmodify='1' bBadStrException='0'/>"
    "<bCusDomestic showfldname='国内'  reftype='' cRefID='' bmulmodify='1' bBadStrException='0'/>"
    "<bCusOverseas showfldname='国外'  reftype='' cRefID='' bmulmodify='1' bBadStrException='0'/>"
    "<Customer.iARMoney showfldname='应收余额'  reftype='float' cRefID='' bmulmodify='0' bBadStrException='0'/>"
    "<Customer.dRecentlyContractTime showfldname='最近合同时间'  reftype='date' cRefID='' bmulmodify='0' bBadStrException='0'/>"
    "<Customer.dTouchedTime showfldname='最近接触时间'  reftype='date' cRefID='' bmulmodify='0' bBadStrException='0'/>"
    "<Customer.dLastDate showfldname='最后交易日期'  reftype='date' cRefID='' bmulmodify='0' bBadStrException='0'/>"
    "<Customer.iLastMoney showfldname='最后交易金额'  reftype='float' cRefID='' bmulmodify='0' bBadStrException='0'/>"
    "<Customer.dLRDate showfldname='最后收款日期'  reftype='date' cRefID='' bmulmodify='0' bBadStrException='0'/>"
    "<Customer.iLRMoney showfldname='最后收款金额'  reftype='float' cRefID='' bmulmodify='0' bBadStrException='0'/>"
    "<iCusCreLine showfldname='信用额度'  reftype='float' cRefID='' bmulmodify='1' bBadStrException='0'/>"
    "<Customer.CCreatePerson showfldname='建档人'  reftype='char' cRefID='' bmulmodify='0' bBadStrException='0'/>"
    "<Customer.cModifyPerson showfldname='变更人'  reftype='char' cRefID='' bmulmodify='0' bBadStrException='0'/>"
    "<Customer.dModifyDate showfldname='变更日期'  reftype='date' cRefID='' bmulmodify='0' bBadStrException='0'/>"
    "<cRelVendor showfldname='对应供应商'  reftype='ref' cRefID='Vendor_AA' cRetFld='cVenCode' bmulmodify='0' bBadStrException='0'/>"
    "<Customer.iFrequency showfldname='交易次数'  reftype='int' cRefID='' bmulmodify='0' bBadStrException='0'/>"
    "<dCusDevDate showfldname='发展日期'  reftype='date' cRefID='' bmulmodify='0' bBadStrException='0'/>"
    "<Customer.cInvoiceCompany showfldname='开票单位'  reftype='' cRefID='' bmulmodify='0' bBadStrException='0'/>"
    "<bCusState showfldname='客户状态'  reftype='' cRefID='' bmulmodify='0' bBadStrException='0'/>"
    "<cCusAddress showfldname='地址'  reftype='char' cRefID='' bmulmodify='1' bBadStrException='0'/>"
    "<cCusPostCode showfldname='邮政编码'  reftype='char' cRefID='' bmulmodify='1' bBadStrException='0'/>"
    "<cCusRegCode showfldname='税号'  reftype='char' cRefID='' bmulmodify='1' bBadStrException='0'/>"
    "<cCusLPerson showfldname='法人'  reftype='char' cRefID='' bmulmodify='1' bBadStrException='0'/>"
    "<cCusEmail showfldname='Email地址'  reftype='char' cRefID='' bmulmodify='1' bBadStrException='0'/>"
    "<cCusPhone showfldname='电话'  reftype='char' cRefID='' bmulmodify='1' bBadStrException='0'/>"
    "<cCusFax showfldname='传真'  reftype='char' cRefID='' bmulmodify='1' bBadStrException='0'/>"
    "<cCusBP showfldname='呼机'  reftype='char' cRefID='' bmulmodify='1' bBadStrException='0'/>"
    "<cCusHand showfldname='手机'  reftype='char' cRefID='' bmulmodify='1' bBadStrException='0'/>"
    "<cCusPPerson showfldname='专管业务员'  reftype='ref' cRefID='Person_AA' cRetFld='cPersonCode' bmulmodify='1' bBadStrException='0'/>"
    "<iCusDisRate showfldname='扣率'  reftype='float' cRefID='' bmulmodify='1' bBadStrException='0'/>"
    "<fAdvancePaymentRatio showfldname='预收款比例'  reftype='decdgt' cRefID='' bmulmodify='1' bBadStrException='0'/>"
    "<iCusTaxRate showfldname='税率'  reftype='decdgt'  decdgt='0' bmulmodify='1' bBadStrException='0'/>"
    "<cCusCreGrade showfldname='信用等级'  reftype='char' cRefID='' bmulmodify='1' bBadStrException='0'/>"
    "<iCusCreDate showfldname='信用期限'  reftype='int' cRefID='' bmulmodify='1' bBadStrException='0'/>"
    "<cCusPayCond showfldname='付款条件'  reftype='ref' cRefID='PayCondition_AA' cRetFld='cPayCode' bmulmodify='1' bBadStrException='0'/>"
    "<cCusMngTypeCode showfldname='客户管理类型'  reftype='ref' cRefID='tc_type_AA_Query' cRetFld='type_code' bmulmodify='1' bBadStrException='0'/>"
    "<cCusSSCode showfldname='结算方式'  reftype='ref' cRefID='SettleStyle_AA' cRetFld='cSSCode' bmulmodify='1' bBadStrException='0'/>"
    "<cCusOType showfldname='发运方式'  reftype='ref' cRefID='ShippingChoice_AA' cRetFld='cSCCode' bmulmodify='1' bBadStrException='0'/>"
    "<cCusHeadCode showfldname='总公司编码'  reftype='ref' cRefID='Customer_AA' cRetFld='cCusCode' bmulmodify='1' bBadStrException='0'/>"
    "<cCusWhCode showfldname='发货仓库'  reftype='ref' cRefID='Warehouse_AA' cRetFld='cWhcode' bmulmodify='1' bBadStrException='0'/>"
    "<cCusDepart showfldname='分管部门'  reftype='ref' cRefID='Department_AA' cRetFld='cDepCode' bmulmodify='1' bBadStrException='0'/>"
    "<Customer.dEndDate showfldname='停用日期'  reftype='date' cRefID='' bmulmodify='1' bBadStrException='0'/>"
    "<iCostGrade showfldname='价格级别'  reftype='enum' cRefID='1{#}2{#}3{##}批发价{#}零售价{#}VIP价' bmulmodify='1' bBadStrException='0'/>"
    "<Customer.cMemo showfldname='备注'  reftype='' cRefID='' bmulmodify='1' bBadStrException='0'/>");

const QString kGspFields = QStringLiteral(
    "<Customer.iLicenceADays showfldname='许可证预警天数'  reftype='' cRefID='' bmulmodify='1' bBadStrException='0'/>"
    "<Customer.dLicenceSDate showfldname='许可证起始日期'  reftype='date' cRefID='' bmulmodify='1' bBadStrException='0'/>"
    "<Customer.dLicenceEDate showfldname='许可证到期日期'  reftype='date' cRefID='' bmulmodify='1' bBadStrException='0'/>"
    "<Customer.iBusinessADays showfldname='营业执照预警天数'  reftype='' cRefID='' bmulmodify='1' bBadStrException='0'/>"
    "<Customer.dBusinessSDate showfldname='营业执照起始日期'  reftype='date' cRefID='' bmulmodify='1' bBadStrException='0'/>"
    "<Customer.dBusinessEDate showfldname='营业执照到期日期'  reftype='date' cRefID='' bmulmodify='1' bBadStrException='0'/>"
    "<Customer.iProxyADays showfldname='委托书预警天数'  reftype='' cRefID='' bmulmodify='1' bBadStrException='0'/>"
    "<Customer.dProxySDate showfldname='委托书起始日期'  reftype='date' cRefID='' bmulmodify='1' bBadStrException='0'/>"
    "<Customer.dProxyEDate showfldname='委托书到期日期'  reftype='date' cRefID='' bmulmodify='1' bBadStrException='0'/>");

const QString kMiddleFields = QStringLiteral(
    "<bCredit showfldname='控制信用额度'  reftype='' cRefID='' bmulmodify='1' bBadStrException='0'/>"
    "<bCreditDate showfldname='控制信用期限'  reftype='' cRefID='' bmulmodify='1' bBadStrException='0'/>"
    "<cCusCreditCompany showfldname='信用单位'  reftype='ref' cRefID='Customer_AA' bmulmodify='1' bBadStrException='0'/>"
    "<fCusDiscountRate showfldname='客户折扣率'  reftype='' cRefID='' bmulmodify='1' bBadStrException='0'/>"
    "<cCusSAProtocol showfldname='销售默认收付款协议'  reftype='ref' cRefID='AA_Agreement_AA' bmulmodify='1' cUserFilterSql='iLZYJ=0 or iLZYJ=1' bBadStrException='0'/>"
    "<cCusExProtocol showfldname='出口默认收付款协议'  reftype='ref' cRefID='AA_Agreement_AA' bmulmodify='1' cUserFilterSql='iLZYJ=2 or iLZYJ=3'  bBadStrException='0'/>"
    "<cCusCMProtocol showfldname='委托代销默认收付款协议'  reftype='ref' cRefID='AA_Agreement_AA' bmulmodify='1' cUserFilterSql='iLZYJ=5 or iLZYJ=6 or iLZYJ=8 or iLZYJ=9'  bBadStrException='0'/>"
    "<cCusOtherProtocol showfldname='其他应收默认收付款协议'  reftype='ref' cRefID='AA_Agreement_AA' bmulmodify='1' cUserFilterSql='iLZYJ=5'  bBadStrException='0'/>"
    "<cCusImAgentProtocol showfldname='进口代理默认收付款协议'  reftype='ref' cRefID='AA_Agreement_AA' bmulmodify='1' cUserFilterSql='iLZYJ=12'  bBadStrException='0'/>"
    "<bLimitSale showfldname='限制销售'  reftype='' cRefID='' bmulmodify='1' bBadStrException='0'/>");

const QString kExportFields = QStringLiteral(
    "<cCusCountryCode showfldname='国家/地区'  reftype='ref' cRefID='EX_REFER_NATION_EX' cRetFld='cNationCode' bmulmodify='1' bBadStrException='0'/>"
    "<cCusEnName showfldname='英文名称'  reftype='' cRefID='' bmulmodify='1' bBadStrException='0'/>"
    "<cCusEnAddr1 showfldname='英文地址1'  reftype='' cRefID='' bmulmodify='1' bBadStrException='0'/>"
    "<cCusEnAddr2 showfldname='英文地址2'  reftype='' cRefID='' bmulmodify='1' bBadStrException='0'/>"
    "<cCusEnAddr3 showfldname='英文地址3'  reftype='' cRefID='' bmulmodify='1' bBadStrException='0'/>"
    "<cCusEnAddr4 showfldname='英文地址4'  reftype='' cRefID='' bmulmodify='1' bBadStrException='0'/>"
    "<cCusPortCode showfldname='到货港'  reftype='ref' cRefID='ex_port_ex' cRetFld='cportcode' bmulmodify='1' bBadStrException='0'/>"
    "<cPrimaryVen showfldname='主要服务商'  reftype='ref' cRefID='Vendor_AA' cRetFld='cVenCode' cUserFilterSql='bVenService=1' bmulmodify='1' bBadStrException='0'/>"
    "<fCommisionRate showfldname='佣金比率'  reftype='' cRefID='' bmulmodify='1' bBadStrException='0'/>"
    "<fInsueRate showfldname='保险费率'  reftype='' cRefID='' bmulmodify='1' bBadStrException='0'/>"
    "<bHomeBranch showfldname='国内分支机构'  reftype='' cRefID='' bmulmodify='1' bBadStrException='0'/>"
    "<cBranchAddr showfldname='分支机构地址'  reftype='' cRefID='' bmulmodify='1' bBadStrException='0'/>"
    "<cBranchPhone showfldname='分支机构电话'  reftype='' cRefID='' bmulmodify='1' bBadStrException='0'/>"
    "<cBranchPerson showfldname='分支机构联系人'  reftype='' cRefID='' bmulmodify='1' bBadStrException='0'/>");

const QString kLastFields = QStringLiteral(
    "<cCusTradeCCode showfldname='所属行业'  reftype='ref' cRefID='TradeClass_CS'  bmulmodify='1' bBadStrException='0'/>"
    "<CustomerKCode showfldname='客户级别'  reftype='ref' cRefID='CustomerRank_CS'  bmulmodify='1' bBadStrException='0'/>"
    "<bShop showfldname='零售类型'  reftype='enum' cRefID='0{#}1{#}2{##}非零售{#}零售门店{#}零售赊销客户' bmulmodify='1' bBadStrException='0'/>"
    "<cCusExch_name showfldname='币种'  reftype='ref' cRefID='ForeignCurrency_AA' cRetFld='cexch_name' bmulmodify='1' bBadStrException='0'/>"
    "<bRequestSign showfldname='需要签回'  reftype='' cRefID='' bmulmodify='1' bBadStrException='0'/>"
    "<cLocationSite showfldname='经纬度'  reftype='' cRefID='' bmulmodify='0' bBadStrException='0' bshow='0'/>");

const QString kUserFields = QStringLiteral(
    "<cCusDefine1 showfldname='行业细分'  reftype='ref' cRefID='01'  IsUserDefArch='1' bmulmodify='1' bBadStrException='0'/>"
    "<cCusDefine2 showfldname='客户来源'  reftype='ref' cRefID='02'  IsUserDefArch='1' bmulmodify='1' bBadStrException='0'/>"
    "<cCusDefine3 showfldname='开票类型'  reftype='ref' cRefID='03'  IsUserDefArch='1' bmulmodify='1' bBadStrException='0'/>"
    "<cCusDefine5 showfldname='对接人职务'  reftype='ref' cRefID='05'  IsUserDefArch='1' bmulmodify='1' bBadStrException='0'/>"
    "<cCusDefine11 showfldname='合作年限'  reftype='' cRefID='' cRetFld='' cShowFld='' bmulmodify='1' bBadStrException='0'/>"
    "<cCusDefine13 showfldname='年采购额(万元)'  reftype='decdgt'  decdgt='2' bmulmodify='1' bBadStrException='0'/>"
    "<cCusDefine14 showfldname='信用评分'  reftype='decdgt'  decdgt='1' bmulmodify='1' bBadStrException='0'/>"
    "<cCusDefine15 showfldname='签约日期'  reftype='date' cRefID='' cRetFld='' cShowFld='' bmulmodify='1' bBadStrException='0'/>");

const QString kExtendedFields = QStringLiteral(
    "<Customer_extradefine.cCDefine1 showfldname='客户规模'  reftype='ref' cRefID='11'  IsUserDefArch='1' bmulmodify='1' bBadStrException='0'/>"
    "<Customer_extradefine.cCDefine2 showfldname='经营模式'  reftype='ref' cRefID='12'  IsUserDefArch='1' bmulmodify='1' bBadStrException='0'/>"
    "<Customer_extradefine.cCDefine3 showfldname='注册资本(万元)'  reftype='decdgt'  decdgt='2' bmulmodify='1' bBadStrException='0'/>"
    "<Customer_extradefine.cCDefine4 showfldname='首次合作日期'  reftype='date' cRefID='' cRetFld='' cShowFld='' bmulmodify='1' bBadStrException='0'/>"
    "<Customer_extradefine.cCDefine5 showfldname='门店数量'  reftype='' cRefID='' cRetFld='' cShowFld='' bmulmodify='1' bBadStrException='0'/>"
    "<Customer_extradefine.cCDefine6 showfldname='最近拜访时间'  reftype='datetime' cRefID='' cRetFld='' cShowFld='' bmulmodify='1' bBadStrException='0'/>"
    "<Customer_extradefine.cCDefine7 showfldname='开票备注'  reftype='ref' cRefID=''  IsUserDefArch='1' bmulmodify='1' bBadStrException='0'/>");
// clang-format on

QString demoCatalogue(bool gsp, bool exportFields)
{
    return kRoot + kFirstFields + (gsp ? kGspFields : QString()) + kMiddleFields
        + (exportFields ? kExportFields : QString()) + kLastFields + kUserFields + kExtendedFields
        + QStringLiteral("</Customer>");
}

QString catalogue()
{
    BuildColInfo();
    return g_cFieldCatalogXml;
}

// The text from the element's start to the next element, for the checks of one field.
QString elementText(const QString &xml, const QString &element)
{
    const qsizetype start = xml.indexOf(u'<' + element + u' ');
    if (start < 0)
        return QStringLiteral("(no %1)").arg(element);
    return xml.mid(start, xml.indexOf(u'<', start + 1) - start);
}

} // namespace

using FieldCatalogue = CatalogueSession;

TEST_F(FieldCatalogue, DemoCompanyGivesTheWholeCatalogueWithModuleFieldsOnlyWhenStarted)
{
    for (const bool gsp : { false, true }) {
        for (const bool exportFields : { false, true }) {
            SCOPED_TRACE(
                QStringLiteral("gsp %1, export %2").arg(gsp).arg(exportFields).toStdString());
            g_bGspStarted = gsp;
            g_bExStarted = exportFields;
            EXPECT_EQ(catalogue(), demoCatalogue(gsp, exportFields));
        }
    }
    suite::XmlDocument document;
    EXPECT_TRUE(document.loadXml(g_cFieldCatalogXml)) << qPrintable(document.parseError());
}

TEST_F(FieldCatalogue, RootNamesWebModeUrlAndTheFieldsWithheldByColumnRights)
{
    const auto root = [] {
        const QString xml = catalogue();
        return xml.left(xml.indexOf(u'>') + 1);
    };
    g_cColAuthR = QStringLiteral("cCusPhone,cCusFax");
    EXPECT_EQ(root(), QStringLiteral("<Customer bWeb='0' url='' noauthflds='cCusPhone,cCusFax'>"));
    g_cColAuthR.clear();
    g_cColAuthN = QStringLiteral("iARMoney");
    EXPECT_EQ(root(), QStringLiteral("<Customer bWeb='0' url='' noauthflds='iARMoney'>"));
    g_cColAuthR = QStringLiteral("cCusPhone");
    g_bIsWeb = true;
    g_cRefUrl = QStringLiteral("http://host/ref.aspx?acc=001&refid=");
    EXPECT_EQ(root(),
              QStringLiteral("<Customer bWeb='1' url='http://host/ref.aspx?acc=001&amp;"
                             "refid=' noauthflds='iARMoney,cCusPhone'>"));
}

TEST_F(FieldCatalogue, UserFieldsWithoutNameAreLeftOutAndOthersKeepTheirNumbers)
{
    runOnCompany(QStringLiteral("update userdef set cItemName = '' where CItem = '自定义项2'"));
    const QString xml = catalogue();
    EXPECT_TRUE(xml.contains(
        QStringLiteral("IsUserDefArch='1' bmulmodify='1' bBadStrException='0'/><cCusDefine3 ")));
    EXPECT_FALSE(xml.contains(QStringLiteral("<cCusDefine2 ")));
    EXPECT_EQ(g_iDefine13Digits, 2);
    EXPECT_EQ(g_iDefine14Digits, 1);
}

TEST_F(FieldCatalogue, ExtendedFieldOfUnknownTypeUsesUpItsNumber)
{
    runOnCompany(
        QStringLiteral("update userdef set cType = '备注' where cDicDbName = 'cCDefine2'"));
    runOnCompany(
        QStringLiteral("update userdef set iDecimalDigits = NULL where cDicDbName = 'cCDefine3'"));
    const QString xml = catalogue();
    EXPECT_FALSE(xml.contains(QStringLiteral("cCDefine2 ")));
    EXPECT_EQ(elementText(xml, QStringLiteral("Customer_extradefine.cCDefine3")),
              QStringLiteral("<Customer_extradefine.cCDefine3 showfldname='注册资本(万元)'  "
                             "reftype='decdgt'  decdgt='' bmulmodify='1' bBadStrException='0'/>"));
}

TEST_F(FieldCatalogue, PriceGradesFollowTheGradesInUse)
{
    runOnCompany(QStringLiteral("update sa_pricedef set cDefineName = NULL where cPriceID = 2"));
    EXPECT_EQ(BuildPriceGradeEnum(), QStringLiteral("1{#}2{#}3{##}批发价{#}{#}VIP价"));

    runOnCompany(QStringLiteral("update sa_pricedef set bused = 0"));
    EXPECT_EQ(BuildPriceGradeEnum(), QString());
    EXPECT_EQ(elementText(catalogue(), QStringLiteral("iCostGrade")),
              QStringLiteral("<iCostGrade showfldname='价格级别'  reftype='enum' cRefID='' "
                             "bmulmodify='1' bBadStrException='0'/>"));
}

TEST(FieldCatalogueLists, EnumListPairsValuesWithNamesOrWithThemselves)
{
    EXPECT_EQ(BuildEnumList(QStringLiteral("0,1,2"),
                            { QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C") }),
              QStringLiteral("0{#}1{#}2{##}A{#}B{#}C"));
    EXPECT_EQ(BuildEnumList(QStringLiteral("0,1,2"), { QStringLiteral("A") }),
              QStringLiteral("0{#}1{#}2{##}0{#}1{#}2"));
    EXPECT_EQ(BuildEnumList(QStringLiteral("7"), { QStringLiteral("A"), QStringLiteral("B") }),
              QStringLiteral("7{#}{##}A{#}B"));
    EXPECT_EQ(BuildEnumList(QStringLiteral("0,1"), {}), QString());
    EXPECT_EQ(NullToEmpty(QVariant()), QString());
    EXPECT_EQ(NullToEmpty(QVariant(12)), QStringLiteral("12"));
}

TEST_F(FieldCatalogue, AccountOptionsTextsAndStyle)
{
    runOnCompany(QStringLiteral("update AccInformation set cValue = '4' "
                                "where cSysID = 'AA' and cName = 'iStrsPriDecDgt'"));
    BuildColInfo();
    EXPECT_EQ(g_iPriceDecDgt, 4);
    EXPECT_TRUE(g_bAutoMnemCode);
    EXPECT_EQ(g_cCurName, QStringLiteral("人民币"));
    EXPECT_EQ(g_aBoolText, QStringList({ QStringLiteral("否"), QStringLiteral("是") }));
    EXPECT_EQ(g_aRetailKind,
              QStringList({ QStringLiteral("非零售"), QStringLiteral("零售门店"),
                            QStringLiteral("零售赊销客户") }));
    EXPECT_EQ(g_aGspComType.size(), 4);
    EXPECT_EQ(g_aGspComType.value(3), QStringLiteral("医药器械经营企业"));
    EXPECT_EQ(
        g_oColStyle.xml(),
        QStringLiteral("<style><iofferrate>2</iofferrate><icusdisrate>2</icusdisrate>"
                       "<icuscreline>2</icuscreline><iarmoney>4</iarmoney>"
                       "<ilastmoney>4</ilastmoney><ilrmoney>4</ilrmoney>"
                       "<ccusdefine13>2</ccusdefine13><ccusdefine14>1</ccusdefine14></style>"));
}

TEST_F(FieldCatalogue, MissingOptionRowsGiveTwoDecimalsAndKeepTheMnemonicSetting)
{
    runOnCompany(QStringLiteral("update AccInformation set cValue = '0' "
                                "where cName = 'AutoCreateMnemCodeCustomer'"));
    BuildColInfo();
    EXPECT_FALSE(g_bAutoMnemCode);

    runOnCompany(QStringLiteral("delete from AccInformation where cSysID = 'AA' and cName in "
                                "('iStrsPriDecDgt', 'AutoCreateMnemCodeCustomer')"));
    g_iPriceDecDgt = 5;
    g_bAutoMnemCode = true;
    BuildColInfo();
    EXPECT_EQ(g_iPriceDecDgt, 2);
    EXPECT_TRUE(g_bAutoMnemCode);
    EXPECT_EQ(g_oColStyle.firstChildElement(QStringLiteral("iarmoney")).text(),
              QStringLiteral("2"));
}

TEST_F(FieldCatalogue, CaptionsWithMarkupCharactersStayParseable)
{
    runOnCompany(QStringLiteral("update userdef set cItemName = 'R&D <''A''>' "
                                "where CItem = '自定义项1'"));
    runOnMeta(QStringLiteral("update aa_columndic set cCaption = 'Memo & ''note''' "
                             "where cKey = 'customer' and cFieldName = 'cMemo'"));
    suite::XmlDocument document;
    ASSERT_TRUE(document.loadXml(catalogue())) << qPrintable(document.parseError());
    const suite::XmlElement root = document.documentElement();
    EXPECT_EQ(root.firstChildElement(QStringLiteral("cCusDefine1"))
                  .attribute(QStringLiteral("showfldname")),
              QStringLiteral("R&D <'A'>"));
    EXPECT_EQ(root.firstChildElement(QStringLiteral("Customer.cMemo"))
                  .attribute(QStringLiteral("showfldname")),
              QStringLiteral("Memo & 'note'"));
}

TEST_F(FieldCatalogue, FailingStatementStopsTheBuildAndKeepsTheOldCatalogue)
{
    runOnCompany(QStringLiteral("drop table userdef"));
    g_cFieldCatalogXml = QStringLiteral("<Customer/>");
    BuildColInfo();
    EXPECT_EQ(g_cFieldCatalogXml, QStringLiteral("<Customer/>"));
    EXPECT_EQ(g_cCurName, QStringLiteral("人民币"));
    EXPECT_TRUE(g_oColStyle.isNull());
    EXPECT_FALSE(FilterRs(g_oSrv->OpenX(QStringLiteral("select * from sa_pricedef")),
                          QStringLiteral("nosuchfield = 1"))
                     .IsOpen());
}

namespace {

// A public service whose lower-casing breaks the text, to reach the style's load failure.
class BreakingPub : public suite::ClsPub
{
public:
    void UtoLCase(QString &sXML) override { sXML.chop(1); }
};

} // namespace

TEST_F(FieldCatalogue, StyleThatDoesNotLoadIsReportedAndTheOldStyleStays)
{
    BuildColInfo();
    const suite::XmlElement previous = g_oColStyle;
    auto pub = std::make_shared<BreakingPub>();
    pub->Init(g_oLogin);
    g_oPub = pub;
    BuildColInfo();
    EXPECT_EQ(shownTexts(), QStringList({ QStringLiteral("XML数据加载失败！") }));
    EXPECT_TRUE(g_oColStyle == previous);
    EXPECT_EQ(g_cFieldCatalogXml, demoCatalogue(false, false));
}

TEST_F(FieldCatalogue, ModuleFlagsFollowTheStartedSubsystems)
{
    ReadModuleFlags();
    EXPECT_FALSE(g_bExStarted);
    EXPECT_TRUE(g_bCsStarted);
    runOnSystem(QStringLiteral("update ua_account_sub set bStarted = 1 where cSub_Id = 'EX'"));
    runOnSystem(QStringLiteral("update ua_account_sub set bStarted = 0 where cSub_Id = 'CS'"));
    ReadModuleFlags();
    EXPECT_TRUE(g_bExStarted);
    EXPECT_FALSE(g_bCsStarted);
}

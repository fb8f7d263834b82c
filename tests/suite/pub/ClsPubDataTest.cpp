#include "ClsPubFixture.h"

#include <QDateTime>

using namespace suite;

namespace {

const QString kCustomer = QStringLiteral("Customer");

// A data service whose database could not be opened.
std::shared_ptr<IClsCommon> brokenService()
{
    auto service = createObject<IClsCommon>(IClsCommon::kProgId);
    service->Init(
        QStringLiteral("Provider=SQLite;Data Source=/nonexistent/folder/KVDATA_001_2026.db"));
    return service;
}

} // namespace

TEST_F(ClsPubTest, ModulesStartedInTheAccountYear)
{
    const auto pub = pubFor(QStringLiteral("demo"));
    const QString db = m_company.connectionText();
    EXPECT_TRUE(pub->GetSysStart(QStringLiteral("SA"), db, m_service));
    EXPECT_TRUE(pub->GetSysStart(QStringLiteral("cs"), db, m_service));
    EXPECT_TRUE(pub->GetSysStart(QStringLiteral("sa"), db, m_service, kCustomer));
    EXPECT_FALSE(pub->GetSysStart(QStringLiteral("gs"), db, m_service));
    EXPECT_FALSE(pub->GetSysStart(QStringLiteral("EX"), db, m_service));
    EXPECT_FALSE(pub->GetSysStart(QStringLiteral("ZZ"), db, m_service));
    m_company.run(DemoCompanyCopy<>::System,
                  QStringLiteral("update ua_account_sub set bStarted=1 where cSub_Id='GS'"));
    EXPECT_TRUE(pub->GetSysStart(QStringLiteral("gs"), db, m_service));
    EXPECT_FALSE(pub->GetSysStart(QStringLiteral("gs"), db, nullptr));
    EXPECT_FALSE(pub->GetSysStart(QStringLiteral("gs"), db, brokenService()));
}

TEST_F(ClsPubTest, ArchiveEditPermissions)
{
    const auto pub = pubFor(QStringLiteral("demo"));
    bool bCanAdd = false;
    bool bCanModify = false;
    pub->InitArchEditParam(m_service, kCustomer, bCanAdd, bCanModify);
    EXPECT_TRUE(bCanAdd);
    EXPECT_TRUE(bCanModify);

    m_company.run(
        DemoCompanyCopy<>::Company,
        QStringLiteral("update AA_ArchiveOption set bCanModify=0 where cArch='Customer'"));
    pub->InitArchEditParam(m_service, kCustomer, bCanAdd, bCanModify);
    EXPECT_TRUE(bCanAdd);
    EXPECT_FALSE(bCanModify);

    pub->InitArchEditParam(brokenService(), kCustomer, bCanAdd, bCanModify);
    EXPECT_FALSE(bCanAdd || bCanModify);
}

TEST_F(ClsPubTest, ServerTimeIsTheDatabasesClock)
{
    const auto pub = pubFor(QStringLiteral("demo"));
    const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
    const QString text = pub->GetSrvTime(m_service);
    const QDateTime read = QDateTime::fromString(text, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    ASSERT_TRUE(read.isValid()) << qPrintable(text);
    EXPECT_GE(read, before.addSecs(-5));
    EXPECT_LE(read, QDateTime::currentDateTime().addSecs(5));
    EXPECT_EQ(pub->GetSrvTime(brokenService()), QString());
    EXPECT_EQ(pub->GetSrvTime(nullptr), QString());
}

TEST_F(ClsPubTest, SettingsAreKeptPerUser)
{
    const auto demo = pubFor(QStringLiteral("demo"));
    const QString pageSize = QStringLiteral("PageSize");
    EXPECT_EQ(demo->GetRegEdit(kCustomer, pageSize, "50", false, "demo"), QStringLiteral("50"));
    EXPECT_TRUE(demo->SaveRegEdit(kCustomer, pageSize, "200", false, "demo"));
    EXPECT_TRUE(demo->SaveRegEdit(kCustomer, pageSize, "300", true, "demo"));
    EXPECT_TRUE(demo->SaveRegEdit(kCustomer, pageSize, "it's 20", false, "sales1"));
    EXPECT_EQ(demo->GetRegEdit(kCustomer, pageSize, "50", false, "demo"), QStringLiteral("300"));
    const auto sales = pubFor(QStringLiteral("sales1"));
    EXPECT_EQ(sales->GetRegEdit(kCustomer, pageSize, "50", true, "sales1"),
              QStringLiteral("it's 20"));
    EXPECT_EQ(sales->GetRegEdit(QStringLiteral("Vendor"), pageSize, "50", true, "sales1"),
              QStringLiteral("50"));
    EXPECT_EQ(m_company.column(DemoCompanyCopy<>::Company,
                               "select count(*) from AA_UserSetting where cUser_Id='demo'"),
              QStringList({ "1" }));

    ClsPub withoutLogin;
    EXPECT_FALSE(withoutLogin.SaveRegEdit(kCustomer, pageSize, "10", false, "demo"));
    EXPECT_EQ(withoutLogin.GetRegEdit(kCustomer, pageSize, "50", false, "demo"),
              QStringLiteral("50"));
}

TEST_F(ClsPubTest, IFExistsLooksForTheCodeUnderTheCondition)
{
    const auto pub = pubFor(QStringLiteral("demo"));
    const QString code =
        m_company.column(DemoCompanyCopy<>::Company, "select min(cSSCode) from SettleStyle")
            .first();
    QString caption = QStringLiteral("结算方式");
    QString value = code;
    EXPECT_TRUE(pub->IFExists(m_service, QStringLiteral("settlestyle"), caption, value, false, {}));
    m_company.run(DemoCompanyCopy<>::Company,
                  "update SettleStyle set bSSEnd=0 where cSSCode='" + code + "'");
    EXPECT_FALSE(pub->IFExists(m_service, "SettleStyle", caption, value, false, "bSSEnd=1"));
    EXPECT_TRUE(m_script->shown().isEmpty());

    value = QStringLiteral("X'Y");
    EXPECT_FALSE(pub->IFExists(m_service, "SettleStyle", caption, value, true, {}));
    EXPECT_EQ(shownTexts(), QStringList({ QStringLiteral("结算方式“X'Y”不存在。") }));
    EXPECT_FALSE(pub->IFExists(m_service, "sqlite_master", caption, value, false, {}));
    EXPECT_FALSE(pub->IFExists(nullptr, "SettleStyle", caption, value, false, {}));
}

TEST_F(ClsPubTest, UserDefinedFieldsFollowTheirType)
{
    const auto pub = pubFor(QStringLiteral("demo"));
    QString value = QStringLiteral("12");
    EXPECT_TRUE(pub->CheckUserDef("11", QStringLiteral("合作年限"), value));
    value = QStringLiteral("1.5");
    EXPECT_FALSE(pub->CheckUserDef("11", QStringLiteral("合作年限"), value));
    value = QStringLiteral("2026/5/1");
    EXPECT_TRUE(pub->CheckUserDef("15", QStringLiteral("签约日期"), value));
    EXPECT_EQ(value, QStringLiteral("2026-05-01"));
    value = QString(21, u'x');
    EXPECT_FALSE(pub->CheckUserDef("1", QStringLiteral("行业细分"), value));
    value = QString();
    EXPECT_TRUE(pub->CheckUserDef("13", QStringLiteral("年采购额"), value));
    EXPECT_EQ(shownTexts(),
              QStringList({ QStringLiteral("合作年限必须是整数。"),
                            QStringLiteral("行业细分最多20个字符。") }));
}

TEST_F(ClsPubTest, LogArchRecordsTheOperation)
{
    const auto pub = pubFor(QStringLiteral("demo"));
    QString user = QStringLiteral("demo");
    QString condition = QStringLiteral("cCusCode like '01%' and 1=1");
    EXPECT_TRUE(
        pub->LogArch(m_service, kCustomer, 4, QString(), user, "0", "编码 包含 01", condition));
    EXPECT_EQ(m_company.column(DemoCompanyCopy<>::Company,
                               "select cUser_Id || '|' || cObject || '|' || iOperation || '|' ||"
                               " cState || '|' || cDescription || '|' || cCondition ||"
                               " '|' || case when dTime is null then 0 else 1 end from "
                               "AA_ArchiveLog"),
              QStringList({ QStringLiteral("demo|Customer|4|0|编码 包含 01|cCusCode like '01%'"
                                           " and 1=1|1") }));
    EXPECT_FALSE(pub->LogArch(brokenService(), kCustomer, 4, QString(), user, "1", "", condition));
}

TEST_F(ClsPubTest, MulModifyHooksAgreeOrRefuse)
{
    const auto pub = pubFor(QStringLiteral("demo"));
    QString field = QStringLiteral("cCusDefine1");
    QString value = QStringLiteral("A");
    QString condition = QStringLiteral("1=1");
    bool web = false;
    EXPECT_TRUE(
        pub->TransTarnAPIForMulModify(nullptr, kCustomer, true, field, value, condition, web));

    QStringList calls;
    ClsPub::addMulModifyHook([&](IClsCommon &, const QString &object, bool before, QString &f,
                                 QString &v, QString &) {
        calls.append(QStringLiteral("%1 %2 %3=%4").arg(object, before ? "before" : "after", f, v));
        v = QStringLiteral("B");
        return true;
    });
    EXPECT_TRUE(
        pub->TransTarnAPIForMulModify(m_service, kCustomer, true, field, value, condition, web));
    EXPECT_EQ(value, QStringLiteral("B"));
    ClsPub::addMulModifyHook([](IClsCommon &, const QString &, bool before, QString &, QString &,
                                QString &) { return before; });
    EXPECT_FALSE(
        pub->TransTarnAPIForMulModify(m_service, kCustomer, false, field, value, condition, web));
    EXPECT_EQ(calls,
              QStringList({ "Customer before cCusDefine1=A", "Customer after cCusDefine1=B" }));
}

TEST_F(ClsPubTest, NumberingDelegatesToTheCompanysRule)
{
    const auto pub = pubFor(QStringLiteral("demo"));
    bool bAutoCode = false;
    bool bManualChange = false;
    const QString format =
        pub->GetBillFormat(m_company.connectionText(), kCustomer, bAutoCode, bManualChange);
    EXPECT_TRUE(format.contains(QStringLiteral("对象=\"Customer\""))) << qPrintable(format);
    EXPECT_TRUE(bAutoCode && bManualChange);

    QString codeFormat;
    QString context = QStringLiteral("<Customer><ccccode>0101</ccccode></Customer>");
    const QString code = pub->GetBillNumber(m_service, codeFormat, context, kCustomer,
                                            QStringLiteral("cCuscode"), QString(), false);
    EXPECT_EQ(code, QStringLiteral("01010001"));
    EXPECT_EQ(codeFormat, format);

    QString broken = QStringLiteral("<Customer><ccccode>");
    EXPECT_EQ(pub->GetBillNumber(m_service, codeFormat, broken, kCustomer, "cCuscode", "C9", false),
              QStringLiteral("C9"));
    ASSERT_EQ(m_script->shown().size(), 1);
    EXPECT_TRUE(m_script->shown().first().text.startsWith(QStringLiteral("编码用的XML无法读取：")))
        << qPrintable(m_script->shown().first().text);
}

#include "DownloadFixture.h"

#include "import/MarketingServiceCode.h"
#include "suite/core/ObjectFactory.h"
#include "suite/login/FrameworkLogin.h"

using namespace customer;

TEST(ServiceCode, IsTheSecondPartOfTheFirstPiece)
{
    EXPECT_EQ(serviceCodeOf(QStringLiteral("EntCode==KW20260001;Channel==Veska")),
              QStringLiteral("KW20260001"));
    EXPECT_EQ(serviceCodeOf(QStringLiteral("a==b==c")), QStringLiteral("b"));
    EXPECT_EQ(serviceCodeOf(QStringLiteral("x;EntCode==KW")), QString());
    EXPECT_EQ(serviceCodeOf(QStringLiteral("EntCode=KW")), QString());
    EXPECT_EQ(serviceCodeOf(QStringLiteral("==")), QString());
    EXPECT_EQ(serviceCodeOf(QString()), QString());
}

TEST_F(DownloadTest, TheServiceUserOfTheDemoCompanyHasTheCode)
{
    QString sMsg;
    EXPECT_EQ(GetServiceCode(*g_oLogin, sMsg), demo::kDemoEnterpriseCode) << qPrintable(sMsg);
}

TEST_F(DownloadTest, TheFrameworkLoginChecksTheServiceUser)
{
    const auto &login = *g_oLogin;
    const QString dateAndYear = login.CurDate() + u'@' + login.cIYear();
    suite::FrameworkLogin framework;
    QString sMsg;
    ASSERT_TRUE(framework.Login(QStringLiteral("dp"), QStringLiteral("ASUSER"), QString(),
                                login.cServer(), login.DataSource(), dateAndYear, sMsg))
        << qPrintable(sMsg);
    EXPECT_EQ(framework.GetLoginInfo().member(QStringLiteral("CUSTOMER")),
              QStringLiteral("EntCode==KW20260001;Channel==Veska"));
    framework.SubLogout(QStringLiteral("DP"));
    EXPECT_EQ(framework.GetLoginInfo().member(QStringLiteral("Customer")), QString());

    EXPECT_FALSE(framework.Login(QStringLiteral("DP"), QStringLiteral("ASUSER"),
                                 QStringLiteral("secret"), login.cServer(), login.DataSource(),
                                 dateAndYear, sMsg));
    EXPECT_EQ(sMsg, QStringLiteral("The password of the service user 'ASUSER' is wrong."));
    EXPECT_FALSE(framework.Login(QStringLiteral("DP"), QStringLiteral("demo"), QString(),
                                 login.cServer(), login.DataSource(), dateAndYear, sMsg));
    EXPECT_EQ(sMsg,
              QStringLiteral("The service user 'demo' may not log in to the subsystem DP "
                             "of the account 001."));
    EXPECT_FALSE(framework.Login(QStringLiteral("DP"), QStringLiteral("ASUSER"), QString(),
                                 login.cServer(), login.DataSource(),
                                 login.CurDate() + QStringLiteral("@2025"), sMsg));
    EXPECT_FALSE(framework.Login(QStringLiteral("DP"), QStringLiteral("ASUSER"), QString(),
                                 login.cServer(), login.DataSource(), login.CurDate(), sMsg));
    EXPECT_EQ(framework.GetLoginInfo().member(QStringLiteral("Customer")), QString());
}

// A company on a server has no file: its whole connection text stands for the data source.
TEST_F(DownloadTest, TheFrameworkLoginTakesAConnectionTextForTheDataSource)
{
    const auto &login = *g_oLogin;
    suite::FrameworkLogin framework;
    QString sMsg;
    ASSERT_TRUE(framework.Login(QStringLiteral("DP"), QStringLiteral("ASUSER"), QString(),
                                QString(), m_company.connectionText(),
                                login.CurDate() + u'@' + login.cIYear(), sMsg))
        << qPrintable(sMsg);
    EXPECT_EQ(framework.GetLoginInfo().member(QStringLiteral("Customer")),
              QStringLiteral("EntCode==KW20260001;Channel==Veska"));
    EXPECT_FALSE(framework.Login(QStringLiteral("DP"), QStringLiteral("ASUSER"), QString(),
                                 QString(), m_company.connectionText(),
                                 login.CurDate() + QStringLiteral("@2025"), sMsg));
}

TEST_F(DownloadTest, NoCodeWhenTheFrameworkLoginCannotBeCreated)
{
    const suite::ScopedUnregistration gone(QLatin1String(suite::IFrameworkLogin::kProgId));
    QString sMsg;
    EXPECT_EQ(GetServiceCode(*g_oLogin, sMsg), QString());
    EXPECT_EQ(sMsg,
              QStringLiteral("The framework login KvSoft.Tarn.Framework.Login.UI.clsLogin "
                             "cannot be created."));
}

TEST_F(DownloadTest, NoCodeWhenTheLoginInformationHoldsNone)
{
    m_company.run(DemoCompanyCopy<>::System,
                  QStringLiteral("update ua_logininfo set cValue='EntCode=KW20260001'"));
    QString sMsg;
    EXPECT_EQ(GetServiceCode(*g_oLogin, sMsg), QString());
    EXPECT_EQ(sMsg, QStringLiteral("The login information of ASUSER names no service code."));
}

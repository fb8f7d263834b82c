#include "LoginCompany.h"

#include "suite/core/ObjectFactory.h"
#include "suite/data/IClsCommon.h"
#include "suite/login/IColAuth.h"
#include "suite/login/IRowAuth.h"

#include <QCoreApplication>
#include <QCryptographicHash>

using namespace suite;

namespace {

using ClsLoginTest = LoginCompanyTest;

TEST_F(ClsLoginTest, FillsEveryMemberForTheAdministratorAndTheSalesUser)
{
    ClsLogin demo;
    QString sMsg;
    LoginRequest given = request(QStringLiteral("DEMO"));
    given.languageRegion = QStringLiteral("zh-CN");
    ASSERT_TRUE(demo.Login(given, sMsg)) << qPrintable(sMsg);
    EXPECT_EQ(demo.cUserId(), QStringLiteral("demo"));
    EXPECT_EQ(demo.cUserName(), QStringLiteral("演示管理员"));
    EXPECT_EQ(demo.KvDbName(), connectionText());
    EXPECT_EQ(demo.CurDate(), QStringLiteral("2026-03-15"));
    EXPECT_EQ(demo.cIYear(), QStringLiteral("2026"));
    EXPECT_EQ(demo.cAcc_id(), QStringLiteral("001"));
    EXPECT_EQ(demo.LanguageRegion(), QStringLiteral("zh-cn"));
    EXPECT_EQ(demo.DataSource(), companyFile());
    EXPECT_FALSE(demo.cServer().isEmpty());
    EXPECT_EQ(demo.GetIstallPath(), QStringLiteral("/opt/kvsuite"));
    ASSERT_TRUE(demo.RowAuth());
    ASSERT_TRUE(demo.ColAuth());
    EXPECT_EQ(demo.RowAuth(), demo.RowAuth());

    ClsLogin sales;
    given = request(QStringLiteral("sales1"));
    given.languageRegion = QStringLiteral("en-us");
    given.installPath.clear();
    ASSERT_TRUE(sales.Login(given, sMsg)) << qPrintable(sMsg);
    EXPECT_EQ(sales.cUserName(), QStringLiteral("王晓明"));
    EXPECT_EQ(sales.LanguageRegion(), QStringLiteral("en-us"));
    EXPECT_EQ(sales.GetIstallPath(), QCoreApplication::applicationDirPath());
    EXPECT_NE(sales.RowAuth()->rowCondition(QStringLiteral("Customer"), QString()),
              demo.RowAuth()->rowCondition(QStringLiteral("Customer"), QString()));
}

TEST_F(ClsLoginTest, BeforeALoginEveryMemberIsEmpty)
{
    const ClsLogin login;
    EXPECT_TRUE(login.cUserId().isEmpty());
    EXPECT_TRUE(login.KvDbName().isEmpty());
    EXPECT_FALSE(login.RowAuth());
    EXPECT_FALSE(login.ColAuth());
}

TEST_F(ClsLoginTest, RefusesWithAMessageThatNamesTheFault)
{
    struct Case
    {
        const char *what;
        LoginRequest request;
        QString expected;
    };
    const auto with = [this](auto change) {
        LoginRequest changed = request(QStringLiteral("sales1"));
        change(changed);
        return changed;
    };
    const QList<Case> cases = {
        { "unknown user", with([](LoginRequest &r) { r.userId = QStringLiteral("nobody"); }),
          QStringLiteral("The user 'nobody' does not exist.") },
        { "no user", with([](LoginRequest &r) { r.userId = QStringLiteral("  "); }),
          QStringLiteral("No user was given.") },
        { "unknown account", with([this](LoginRequest &r) {
              r.connectionText = connectionText(QStringLiteral("KVDATA_009_2026"));
          }),
          QStringLiteral("The account 009 does not exist.") },
        { "year without the user", with([this](LoginRequest &r) {
              r.connectionText = connectionText(QStringLiteral("KVDATA_001_2025"));
              r.businessDate = QStringLiteral("2025-06-30");
          }),
          QStringLiteral("The user 'sales1' may not work in account 001, year 2025.") },
        { "date outside the year",
          with([](LoginRequest &r) { r.businessDate = QStringLiteral("2025-12-31"); }),
          QStringLiteral("The business date 2025-12-31 is not in the year 2026 of account 001.") },
        { "no date", with([](LoginRequest &r) { r.businessDate = QStringLiteral("2026-02-30"); }),
          QStringLiteral("The business date '2026-02-30' is not a date of the form yyyy-MM-dd.") },
        { "language", with([](LoginRequest &r) { r.languageRegion = QStringLiteral("fr-fr"); }),
          QStringLiteral("The language region 'fr-fr' is neither zh-cn nor en-us.") },
        { "wrong password", with([](LoginRequest &r) { r.password = QStringLiteral("x"); }),
          QStringLiteral("The password of the user 'sales1' is wrong.") },
    };
    for (const Case &c : cases) {
        ClsLogin login;
        QString sMsg;
        EXPECT_FALSE(login.Login(c.request, sMsg)) << c.what;
        EXPECT_EQ(sMsg, c.expected) << c.what;
        EXPECT_TRUE(login.cUserId().isEmpty()) << c.what;
    }
}

TEST_F(ClsLoginTest, ACompanyThatCannotBeOpenedOrNamedIsRefused)
{
    ClsLogin login;
    QString sMsg;
    LoginRequest given = request(QStringLiteral("demo"));
    given.connectionText = QStringLiteral("/nowhere/KVDATA_001_2026.db");
    EXPECT_FALSE(login.Login(given, sMsg));
    EXPECT_TRUE(sMsg.startsWith(QStringLiteral("The company database cannot be opened: ")))
        << qPrintable(sMsg);

    given.connectionText = QStringLiteral("Provider=SQLite;Data Source=%1").arg(companyFile());
    given.connectionText.replace(QStringLiteral("KVDATA_001_2026.db"), QStringLiteral("x.db"));
    EXPECT_FALSE(login.Login(given, sMsg));
    EXPECT_TRUE(sMsg.contains(QStringLiteral("does not name its account and year")))
        << qPrintable(sMsg);

    const ScopedUnregistration noDataService(QLatin1String(IClsCommon::kProgId));
    EXPECT_FALSE(login.Login(request(QStringLiteral("demo")), sMsg));
    EXPECT_EQ(sMsg, QStringLiteral("The data service TarnSrvTrans.IClsCommon cannot be created."));
}

TEST_F(ClsLoginTest, APasswordIsComparedByItsHash)
{
    const QByteArray hash =
        QCryptographicHash::hash("秘密 1", QCryptographicHash::Sha256).toHex().toUpper();
    run(System,
        QStringLiteral("update ua_user set cPassword='%1' where cUser_Id='sales1'")
            .arg(QString::fromLatin1(hash)));
    LoginRequest given = request(QStringLiteral("sales1"));
    ClsLogin login;
    QString sMsg;
    EXPECT_FALSE(login.Login(given, sMsg));
    given.password = QStringLiteral("秘密 1");
    EXPECT_TRUE(login.Login(given, sMsg)) << qPrintable(sMsg);
}

TEST_F(ClsLoginTest, AFailedLoginKeepsTheSessionBefore)
{
    ClsLogin login;
    QString sMsg;
    ASSERT_TRUE(login.Login(request(QStringLiteral("sales1")), sMsg)) << qPrintable(sMsg);
    const std::shared_ptr<IRowAuth> rights = login.RowAuth();
    EXPECT_FALSE(login.Login(request(QStringLiteral("nobody")), sMsg));
    EXPECT_EQ(login.cUserId(), QStringLiteral("sales1"));
    EXPECT_EQ(login.RowAuth(), rights);
}

} // namespace

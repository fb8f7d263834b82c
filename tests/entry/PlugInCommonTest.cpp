#include "PlugInCompany.h"

#include "entry/PlugInCommon.h"
#include "entry/SessionContext.h"
#include "suite/core/ObjectFactory.h"
#include "suite/plugin/IArchivePlugInManager.h"
#include "suite/plugin/IPlugInDebugLogger.h"
#include "suite/pub/ClsPub.h"
#include "suite/pub/IPub.h"
#include "suite/pub/MessageScript.h"

using namespace customer;
using suite::MessageStyle;

namespace {

const QString kMissingText = QStringLiteral("检测到您的客户端没有安装客户档案插件!请安装后再使用.");
const QString kMissingTitle = QStringLiteral("插件未找到!");

class LoadArchivePlugInsTest : public PlugInCompanyTest
{
protected:
    void SetUp() override
    {
        PlugInCompanyTest::SetUp();
        resetSessionContext();
        suite::ClsPub::installMessageScript(m_messages);
        g_oPub = suite::createObject<suite::IPub>(QLatin1String(suite::IPub::kProgId));
        ASSERT_TRUE(g_oPub);
        m_login = login();
        g_oPub->Init(m_login);
        m_service = dataService();
    }

    void TearDown() override
    {
        resetSessionContext();
        suite::ClsPub::installMessageScript(nullptr);
    }

    bool load(std::shared_ptr<suite::PlugInCollection> &plugIns)
    {
        return LoadArchivePlugIns(m_login, m_service, plugIns);
    }

    // The data service a loaded plug-in holds, as it reports it from Init.
    QString serviceHeldBy(suite::IArchivePlugIn &plugIn)
    {
        QString code;
        suite::RecordSet rs;
        return plugIn.Init(code, rs, m_login) ? code : QStringLiteral("no data service");
    }

    QString expectedReport() const
    {
        return QStringLiteral("%1|demo").arg(quintptr(m_service.get()));
    }

    std::shared_ptr<suite::MessageScript> m_messages = std::make_shared<suite::MessageScript>(
        std::deque<int>{ MessageStyle::kOk, MessageStyle::kOk });
    std::shared_ptr<suite::ILogin> m_login;
    std::shared_ptr<suite::IClsCommon> m_service;
};

} // namespace

TEST_F(LoadArchivePlugInsTest, AnAccountWithoutPlugInsLoadsNoneAndSaysNothing)
{
    std::shared_ptr<suite::PlugInCollection> plugIns;
    EXPECT_FALSE(load(plugIns));
    ASSERT_TRUE(plugIns);
    EXPECT_EQ(plugIns->count(), 0);
    EXPECT_TRUE(m_messages->shown().isEmpty());
    EXPECT_TRUE(g_oPlugInLogger);
    ASSERT_TRUE(g_oPlugInManager);
    EXPECT_FALSE(g_oPlugInManager->AccountPluginEnabled());
}

TEST_F(LoadArchivePlugInsTest, InstalledPlugInsAreHandedTheDataService)
{
    configure(QStringLiteral("Credit"), plugInLibrary());
    std::shared_ptr<suite::PlugInCollection> plugIns;
    ASSERT_TRUE(load(plugIns));
    ASSERT_EQ(plugIns->count(), 1);
    EXPECT_EQ(serviceHeldBy(*plugIns->Items().first()), expectedReport());
    EXPECT_TRUE(m_messages->shown().isEmpty());
}

TEST_F(LoadArchivePlugInsTest, EveryMissingPlugInIsToldOnceWhenNoneLoaded)
{
    configure(QStringLiteral("Credit"), QStringLiteral("/nonexistent/libcredit.so"));
    configure(QStringLiteral("Gsp"), QStringLiteral("libgsp.so"));
    std::shared_ptr<suite::PlugInCollection> plugIns;
    EXPECT_FALSE(load(plugIns));
    ASSERT_EQ(m_messages->shown().size(), 2);
    for (const auto &shown : m_messages->shown()) {
        EXPECT_EQ(shown.text, kMissingText);
        EXPECT_EQ(shown.title, kMissingTitle);
        EXPECT_EQ(shown.style, 64);
    }
}

TEST_F(LoadArchivePlugInsTest, OneInstalledPlugInIsEnoughToStayQuietAboutTheMissingOnes)
{
    configure(QStringLiteral("Credit"), QStringLiteral("/nonexistent/libcredit.so"));
    configure(QStringLiteral("Working"), plugInLibrary());
    std::shared_ptr<suite::PlugInCollection> plugIns;
    EXPECT_TRUE(load(plugIns));
    EXPECT_EQ(plugIns->count(), 1);
    EXPECT_TRUE(m_messages->shown().isEmpty());
}

TEST_F(LoadArchivePlugInsTest, TheManagerIsCreatedOncePerProcessAndAGivenSetIsOnlyReHanded)
{
    std::shared_ptr<suite::PlugInCollection> first;
    EXPECT_FALSE(load(first));
    const auto manager = g_oPlugInManager;
    const auto logger = g_oPlugInLogger;

    // The configuration was read when the manager was made; a plug-in configured later is
    // not seen by this process.
    configure(QStringLiteral("Credit"), plugInLibrary());
    std::shared_ptr<suite::PlugInCollection> second;
    EXPECT_FALSE(load(second));
    EXPECT_EQ(g_oPlugInManager, manager);
    EXPECT_NE(g_oPlugInLogger, logger);

    // The empty set the first load left counts as given: plug-ins are then said to be in use.
    EXPECT_TRUE(load(first));
    EXPECT_EQ(first->count(), 0);

    resetSessionContext();
    std::shared_ptr<suite::PlugInCollection> loaded;
    ASSERT_TRUE(load(loaded));
    const auto otherService = dataService();
    EXPECT_TRUE(LoadArchivePlugIns(m_login, otherService, loaded));
    EXPECT_EQ(serviceHeldBy(*loaded->Items().first()),
              QStringLiteral("%1|demo").arg(quintptr(otherService.get())));
}

TEST_F(LoadArchivePlugInsTest, WithoutTheManagerComponentNoPlugInIsLoaded)
{
    configure(QStringLiteral("Credit"), plugInLibrary());
    const suite::ScopedUnregistration noManager(
        QLatin1String(suite::IArchivePlugInManager::kProgId));
    std::shared_ptr<suite::PlugInCollection> plugIns;
    EXPECT_FALSE(load(plugIns));
    EXPECT_FALSE(plugIns);
    EXPECT_FALSE(g_oPlugInManager);
    EXPECT_TRUE(m_messages->shown().isEmpty());
}

TEST_F(LoadArchivePlugInsTest, AManagerWithoutItsConfigurationLoadsNothingQuietly)
{
    m_company.run(DemoCompanyCopy<>::System, QStringLiteral("drop table AA_ArchivePlugIn"));
    std::shared_ptr<suite::PlugInCollection> plugIns;
    EXPECT_FALSE(load(plugIns));
    EXPECT_FALSE(plugIns);
    EXPECT_TRUE(m_messages->shown().isEmpty());
}

#include "PlugInCompany.h"

#include "suite/core/ObjectFactory.h"
#include "suite/plugin/ArchivePlugInManager.h"
#include "suite/plugin/IPlugInDebugLogger.h"

#include <QCoreApplication>
#include <QDir>
#include <QLoggingCategory>
#include <QTabWidget>
#include <QWidget>

using namespace suite;

namespace {

using Status = QMap<QString, bool>;

class ArchivePlugInManagerTest : public PlugInCompanyTest
{
protected:
    void TearDown() override { qunsetenv(ArchivePlugInManager::kPlugInDirVariable); }

    std::shared_ptr<IArchivePlugInManager> initialisedManager(
        const QString &installPath = QStringLiteral("/opt/kvsuite"))
    {
        auto manager =
            createObject<IArchivePlugInManager>(QLatin1String(IArchivePlugInManager::kProgId));
        EXPECT_TRUE(manager);
        if (manager) {
            EXPECT_TRUE(manager->Init(QStringLiteral("001"), login(installPath)));
        }
        return manager;
    }

    // What the plug-in reports through Init once it was handed service: the service's address
    // and the user.
    static QString initReport(IArchivePlugIn &plugIn, const std::shared_ptr<IClsCommon> &service)
    {
        plugIn.SetTarnArchiveDbSrv(service);
        QString code;
        RecordSet rs;
        if (!plugIn.Init(code, rs, nullptr))
            return QStringLiteral("refused");
        return code;
    }
};

} // namespace

TEST_F(ArchivePlugInManagerTest, AnAccountWithoutPlugInsGetsAnEmptyListAndIsNotEnabled)
{
    const auto manager = initialisedManager();
    Status status;
    const auto plugIns = manager->GetDefaultPlugInObjectList(QStringLiteral("Customer"), status);
    ASSERT_TRUE(plugIns);
    EXPECT_EQ(plugIns->count(), 0);
    EXPECT_TRUE(status.isEmpty());
    EXPECT_FALSE(manager->AccountPluginEnabled());
    EXPECT_TRUE(errorTexts().isEmpty()) << qPrintable(errorTexts().join(u'\n'));
}

TEST_F(ArchivePlugInManagerTest, InstalledPlugInsLoadInTheirOrderAsFreshObjectsPerList)
{
    configure(QStringLiteral("Second"), plugInLibrary(), QStringLiteral("Customer"), 1, 2);
    configure(QStringLiteral("First"), plugInLibrary(), QStringLiteral("customer"), 1, 1);
    const auto manager = initialisedManager();
    Status status;
    const auto plugIns = manager->GetDefaultPlugInObjectList(QStringLiteral("Customer"), status);
    ASSERT_TRUE(plugIns);
    ASSERT_EQ(plugIns->count(), 2);
    EXPECT_EQ(status,
              (Status{ { QStringLiteral("First"), true }, { QStringLiteral("Second"), true } }));
    EXPECT_TRUE(manager->AccountPluginEnabled());

    const auto service = dataService();
    const QString expected = QStringLiteral("%1|").arg(quintptr(service.get()));
    EXPECT_EQ(initReport(*plugIns->Items().at(0), service), expected);
    // The second object is a plug-in of its own: it has not been handed a service yet.
    RecordSet rs;
    QString code;
    EXPECT_FALSE(plugIns->Items().at(1)->Init(code, rs, nullptr));

    Status again;
    const auto forAnotherCard =
        manager->GetDefaultPlugInObjectList(QStringLiteral("Customer"), again);
    ASSERT_EQ(forAnotherCard->count(), 2);
    EXPECT_NE(forAnotherCard->Items().at(0), plugIns->Items().at(0));
}

TEST_F(ArchivePlugInManagerTest, ARelativeFileIsFoundInTheInstallFolderOrTheOverride)
{
    configure(QStringLiteral("Relative"), plugInFileName());
    Status inInstallFolder;
    EXPECT_EQ(initialisedManager(plugInFolder())
                  ->GetDefaultPlugInObjectList(QStringLiteral("Customer"), inInstallFolder)
                  ->count(),
              1);
    EXPECT_EQ(inInstallFolder.value(QStringLiteral("Relative")), true);

    Status elsewhere;
    EXPECT_EQ(initialisedManager()
                  ->GetDefaultPlugInObjectList(QStringLiteral("Customer"), elsewhere)
                  ->count(),
              0);
    EXPECT_EQ(elsewhere, (Status{ { QStringLiteral("Relative"), false } }));

    qputenv(ArchivePlugInManager::kPlugInDirVariable, plugInFolder().toLocal8Bit());
    Status overridden;
    EXPECT_EQ(initialisedManager()
                  ->GetDefaultPlugInObjectList(QStringLiteral("Customer"), overridden)
                  ->count(),
              1);
    EXPECT_EQ(overridden.value(QStringLiteral("Relative")), true);
}

TEST_F(ArchivePlugInManagerTest, TheAccountsPlugInFolderComesBeforeTheInstallFolder)
{
    configure(QStringLiteral("Relative"), plugInFileName());
    m_company.run(DemoCompanyCopy<>::System,
                  QStringLiteral("update ua_account set cPlugInPath='%1' where cAcc_Id='001'")
                      .arg(plugInFolder()));
    Status inAccountFolder;
    EXPECT_EQ(initialisedManager(QStringLiteral("/opt/kvsuite"))
                  ->GetDefaultPlugInObjectList(QStringLiteral("Customer"), inAccountFolder)
                  ->count(),
              1);

    // A relative folder lies under the program's folder.
    const QString relative =
        QDir(QCoreApplication::applicationDirPath()).relativeFilePath(plugInFolder());
    m_company.run(DemoCompanyCopy<>::System,
                  QStringLiteral("update ua_account set cPlugInPath='%1'").arg(relative));
    Status underProgram;
    EXPECT_EQ(initialisedManager()
                  ->GetDefaultPlugInObjectList(QStringLiteral("Customer"), underProgram)
                  ->count(),
              1)
        << qPrintable(relative);

    m_company.run(DemoCompanyCopy<>::System,
                  QStringLiteral("update ua_account set cPlugInPath='elsewhere'"));
    Status elsewhere;
    EXPECT_EQ(initialisedManager(plugInFolder())
                  ->GetDefaultPlugInObjectList(QStringLiteral("Customer"), elsewhere)
                  ->count(),
              0);
    EXPECT_EQ(elsewhere, (Status{ { QStringLiteral("Relative"), false } }));
}

TEST_F(ArchivePlugInManagerTest, ACompanyWithoutAccountPlugInFoldersUsesTheInstallFolder)
{
    m_company.run(DemoCompanyCopy<>::System,
                  QStringLiteral("alter table ua_account drop column cPlugInPath"));
    configure(QStringLiteral("Relative"), plugInFileName());
    Status status;
    EXPECT_EQ(initialisedManager(plugInFolder())
                  ->GetDefaultPlugInObjectList(QStringLiteral("Customer"), status)
                  ->count(),
              1);
    EXPECT_TRUE(errorTexts().isEmpty()) << qPrintable(errorTexts().join(u'\n'));
}

TEST_F(ArchivePlugInManagerTest, ALibraryOfAnotherInterfaceVersionIsRefusedUnrun)
{
    configure(QStringLiteral("Old"), QStringLiteral(WRONG_VERSION_ARCHIVE_PLUGIN_PATH));
    Status status;
    EXPECT_EQ(initialisedManager()
                  ->GetDefaultPlugInObjectList(QStringLiteral("Customer"), status)
                  ->count(),
              0);
    EXPECT_EQ(status, (Status{ { QStringLiteral("Old"), false } }));
    EXPECT_EQ(errorTexts(),
              QStringList{
                  QStringLiteral("The plug-in Old (%1) was built for version 0.9 of the archive "
                                 "plug-in interface; this program takes version 1.0. Install the "
                                 "plug-in's build for this version.")
                      .arg(QStringLiteral(WRONG_VERSION_ARCHIVE_PLUGIN_PATH)) });
}

TEST_F(ArchivePlugInManagerTest, MissingAndBrokenPlugInsAreReportedAndLogged)
{
    const QString notAPlugIn = m_company.file(DemoCompanyCopy<>::System);
    configure(QStringLiteral("Gone"), QStringLiteral("/nonexistent/libgone.so"));
    configure(QStringLiteral("Broken"), notAPlugIn);
    configure(QStringLiteral("Working"), plugInLibrary());
    const auto manager = initialisedManager();
    Status status;
    const auto plugIns = manager->GetDefaultPlugInObjectList(QStringLiteral("Customer"), status);
    ASSERT_TRUE(plugIns);
    EXPECT_EQ(plugIns->count(), 1);
    EXPECT_EQ(status,
              (Status{ { QStringLiteral("Broken"), false },
                       { QStringLiteral("Gone"), false },
                       { QStringLiteral("Working"), true } }));
    const QStringList errors = errorTexts();
    ASSERT_EQ(errors.size(), 2) << qPrintable(errors.join(u'\n'));
    EXPECT_TRUE(errors.filter(QStringLiteral("The plug-in Gone cannot be loaded: ")).size() == 1)
        << qPrintable(errors.join(u'\n'));
    EXPECT_TRUE(errors.filter(QStringLiteral("The plug-in Broken cannot be loaded: ")).size() == 1)
        << qPrintable(errors.join(u'\n'));
}

TEST_F(ArchivePlugInManagerTest, OnlyEnabledPlugInsOfTheAccountAndArchiveCount)
{
    configure(QStringLiteral("Off"), plugInLibrary(), QStringLiteral("Customer"), 0);
    configure(QStringLiteral("OtherAccount"), plugInLibrary(), QStringLiteral("Customer"), 1, 0,
              QStringLiteral("002"));
    Status status;
    auto manager = initialisedManager();
    EXPECT_EQ(manager->GetDefaultPlugInObjectList(QStringLiteral("Customer"), status)->count(), 0);
    EXPECT_TRUE(status.isEmpty());
    EXPECT_FALSE(manager->AccountPluginEnabled());

    // A plug-in of another archive enables plug-ins for the account, though the customer card
    // gets none; the test library serves customers only.
    configure(QStringLiteral("VendorOnly"), plugInLibrary(), QStringLiteral("Vendor"));
    manager = initialisedManager();
    EXPECT_EQ(manager->GetDefaultPlugInObjectList(QStringLiteral("Customer"), status)->count(), 0);
    EXPECT_TRUE(manager->AccountPluginEnabled());
    Status vendor;
    EXPECT_EQ(manager->GetDefaultPlugInObjectList(QStringLiteral("Vendor"), vendor)->count(), 0);
    EXPECT_EQ(vendor, (Status{ { QStringLiteral("VendorOnly"), false } }));
    EXPECT_EQ(errorTexts(),
              QStringList({ QStringLiteral("The plug-in VendorOnly serves no archive Vendor.") }));
}

TEST_F(ArchivePlugInManagerTest, WithoutItsConfigurationTheManagerListsNothing)
{
    auto manager =
        createObject<IArchivePlugInManager>(QLatin1String(IArchivePlugInManager::kProgId));
    Status status;
    EXPECT_FALSE(manager->GetDefaultPlugInObjectList(QStringLiteral("Customer"), status));

    EXPECT_FALSE(manager->Init(QStringLiteral("001"), nullptr));
    EXPECT_FALSE(manager->GetDefaultPlugInObjectList(QStringLiteral("Customer"), status));

    m_company.run(DemoCompanyCopy<>::System, QStringLiteral("drop table AA_ArchivePlugIn"));
    EXPECT_FALSE(manager->Init(QStringLiteral("001"), login()));
    EXPECT_FALSE(manager->GetDefaultPlugInObjectList(QStringLiteral("Customer"), status));
    EXPECT_FALSE(manager->AccountPluginEnabled());
    EXPECT_EQ(errorTexts().first(), QStringLiteral("Init was called without a login."));
    EXPECT_TRUE(
        errorTexts().last().startsWith(QStringLiteral("The archive plug-ins cannot be read: ")))
        << qPrintable(errorTexts().last());
    EXPECT_TRUE(
        errorTexts().last().contains(QStringLiteral("AA_ArchivePlugIn"), Qt::CaseInsensitive))
        << "names the missing table: " << qPrintable(errorTexts().last());
}

namespace {

// A card as the plug-ins see it: answers Talk and records the notices.
class RecordingCard : public QWidget, public IArchivePlugInHost
{
    Q_OBJECT
    Q_INTERFACES(suite::IArchivePlugInHost)

public:
    QString Talk(const QString &requestID) override { return QStringLiteral("talk:") + requestID; }
    void PlugInNotice(const QString &eventName, const QVariant &eventData, QVariant &,
                      QObject *) override
    {
        notices.append(eventName + u'=' + eventData.toString());
    }

    QStringList notices;
};

} // namespace

TEST_F(ArchivePlugInManagerTest, APlugInTalksToTheCardThroughItsHostInterface)
{
    configure(QStringLiteral("Working"), plugInLibrary());
    Status status;
    const auto plugIns =
        initialisedManager()->GetDefaultPlugInObjectList(QStringLiteral("Customer"), status);
    ASSERT_EQ(plugIns->count(), 1);
    IArchivePlugIn &plugIn = *plugIns->Items().first();

    RecordingCard card;
    QTabWidget tabs(&card);
    tabs.addTab(new QWidget, QStringLiteral("General"));
    plugIn.LoadPlugInControls(&card, &tabs, 0, 0, 0, 0);
    ASSERT_EQ(tabs.count(), 2);
    EXPECT_EQ(tabs.tabText(1), QStringLiteral("Test plug-in"));
    plugIn.StartModify();
    plugIn.TabPageChanged(1, 0);
    plugIn.TarnArchiveDataChanged(QStringLiteral("<x/>"));
    EXPECT_EQ(card.notices,
              QStringList({ QStringLiteral("StartModify="), QStringLiteral("TabPageChanged=0>1"),
                            QStringLiteral("TarnArchiveDataChanged=<x/>") }));

    plugIn.UnLoadPlugInControls();
    EXPECT_EQ(tabs.count(), 1);
    plugIn.StartAdd();
    EXPECT_EQ(card.notices.size(), 3);
}

TEST(PlugInDebugLogger, WritesItsLinesUnderItsOwnDebugCategory)
{
    registerSuiteServices();
    const auto logger =
        createObject<IPlugInDebugLogger>(QLatin1String(IPlugInDebugLogger::kProgId));
    ASSERT_TRUE(logger);
    static QStringList written;
    written.clear();
    QLoggingCategory::setFilterRules(QStringLiteral("tarn.archive.plugin.debug=true"));
    const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext &context, const QString &text) {
            if (type == QtDebugMsg)
                written.append(QString::fromLatin1(context.category) + u':' + text);
        });
    logger->WriteLine(QStringLiteral("2 customer plug-in(s) loaded"));
    QLoggingCategory::setFilterRules(QStringLiteral("tarn.archive.plugin.debug=false"));
    logger->WriteLine(QStringLiteral("not shown"));
    qInstallMessageHandler(previous);
    QLoggingCategory::setFilterRules(QString());
    EXPECT_EQ(written,
              QStringList({ QStringLiteral("tarn.archive.plugin:2 customer plug-in(s) loaded") }));
}

#include "ArchivePlugInManagerTest.moc"

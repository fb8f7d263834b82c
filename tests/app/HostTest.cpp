#include "app/HostOptions.h"
#include "app/PortalMainWindow.h"

#include "suite/pub/ResourceTable.h"

#include <QLabel>
#include <QTabWidget>

#include <gtest/gtest.h>

using namespace host;

namespace {

HostOptions parse(QStringList args)
{
    args.prepend(QStringLiteral("customer-archive"));
    return parseHostOptions(args);
}

// Sets an environment variable for the lifetime of the guard.
class EnvironmentGuard
{
public:
    EnvironmentGuard(const char *name, const QByteArray &value)
        : m_name(name)
        , m_had(qEnvironmentVariableIsSet(name))
        , m_old(qgetenv(name))
    {
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, value);
    }
    ~EnvironmentGuard()
    {
        if (m_had)
            qputenv(m_name, m_old);
        else
            qunsetenv(m_name);
    }

private:
    const char *m_name;
    bool m_had;
    QByteArray m_old;
};

} // namespace

TEST(HostOptions, DefaultsAreTheDemoUserInChinese)
{
    const HostOptions options = parse({});
    EXPECT_TRUE(options.error.isEmpty());
    EXPECT_EQ(options.userId, QStringLiteral("demo"));
    EXPECT_EQ(options.language, QStringLiteral("zh-CN"));
    EXPECT_TRUE(options.databasePath.isEmpty());
    EXPECT_TRUE(defaultDemoDatabasePath().endsWith(QStringLiteral("/KVDATA_001_2026.db")));
    EXPECT_EQ(defaultDemoConnectionText(),
              QStringLiteral("Provider=SQLite;Data Source=") + defaultDemoDatabasePath()
                  + QStringLiteral(";Initial Catalog=KVDATA_001_2026"));
}

TEST(HostOptions, EveryOptionIsTakenAndBadValuesAreExplained)
{
    const HostOptions options = parse(
        { QStringLiteral("--db"), QStringLiteral("/tmp/x.db"), QStringLiteral("--user"),
          QStringLiteral("sales1"), QStringLiteral("--lang"), QStringLiteral("en-US"),
          QStringLiteral("--date"), QStringLiteral("2026-03-31"), QStringLiteral("--screenshot"),
          QStringLiteral("w.png"), QStringLiteral("--trace-sql"), QStringLiteral("t.log") });
    EXPECT_TRUE(options.error.isEmpty()) << options.error.toStdString();
    EXPECT_EQ(options.databasePath, QStringLiteral("/tmp/x.db"));
    EXPECT_EQ(options.userId, QStringLiteral("sales1"));
    EXPECT_EQ(options.language, QStringLiteral("en-US"));
    EXPECT_EQ(options.businessDate, QDate(2026, 3, 31));
    EXPECT_EQ(options.screenshotFile, QStringLiteral("w.png"));
    EXPECT_EQ(options.sqlTraceFile, QStringLiteral("t.log"));

    EXPECT_TRUE(
        parse({ QStringLiteral("--lang"), QStringLiteral("fr-FR") }).error.contains("fr-FR"));
    EXPECT_TRUE(parse({ QStringLiteral("--date"), QStringLiteral("31/03/2026") })
                    .error.contains("31/03/2026"));
    EXPECT_FALSE(parse({ QStringLiteral("--colour") }).error.isEmpty());
    EXPECT_FALSE(parse({ QStringLiteral("stray") }).error.isEmpty());
}

TEST(HostOptions, NoDisplayIsRecognisedAndTheWayOutIsNamed)
{
    EnvironmentGuard display("DISPLAY", QByteArray());
    EnvironmentGuard wayland("WAYLAND_DISPLAY", QByteArray());
    EnvironmentGuard platform("QT_QPA_PLATFORM", QByteArray());
    HostOptions options;
    EXPECT_FALSE(displayAvailable(options));
    EXPECT_TRUE(noDisplayMessage().contains(QStringLiteral("xvfb-run")));
    EXPECT_TRUE(noDisplayMessage().contains(QStringLiteral("--screenshot")));

    options.screenshotFile = QStringLiteral("w.png");
    EXPECT_TRUE(displayAvailable(options)) << "a screenshot needs no display";
    {
        EnvironmentGuard offscreen("QT_QPA_PLATFORM", "offscreen");
        EXPECT_TRUE(displayAvailable(HostOptions()));
    }
    EnvironmentGuard x11("DISPLAY", ":99");
    EXPECT_TRUE(displayAvailable(HostOptions()));
}

TEST(PortalMainWindow, SaysWhichCompanyDatabaseIsOpenInTheChosenLanguage)
{
    const PortalMainWindow::Session session{ QStringLiteral("/data/KVDATA_001_2026.db"),
                                             QStringLiteral("demo"), QStringLiteral("2026-12-06") };
    PortalMainWindow chinese(suite::ResourceTable::builtIn(QStringLiteral("zh-CN")), session);
    EXPECT_TRUE(chinese.companyDatabaseLine().contains(QStringLiteral("/data/KVDATA_001_2026.db")));
    EXPECT_TRUE(chinese.companyDatabaseLine().contains(QStringLiteral("公司数据库")));

    PortalMainWindow english(suite::ResourceTable::builtIn(QStringLiteral("en-US")), session);
    EXPECT_TRUE(english.companyDatabaseLine().startsWith(QStringLiteral("Company database")));

    auto *form = new QLabel(QStringLiteral("客户档案"));
    english.showForm(form, QStringLiteral("Customers"));
    EXPECT_EQ(english.tabs()->count(), 2);
    EXPECT_EQ(english.tabs()->currentWidget(), form);
}

#include "suite/data/BackgroundCount.h"

#include "BackendUnderTest.h"

#include <QCoreApplication>
#include <QElapsedTimer>

using namespace suite;

// A count beside a read of the caller's own comes back to the waiting caller; it is not taken
// while an earlier read holds the counting connection, which the caller would then wait for,
// and is again as soon as that read's rows are handed over. Opening the connection in advance
// holds nothing up.
namespace {

class BackgroundCountBeside : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QString sMsg;
        ASSERT_TRUE(company.open(sMsg)) << qPrintable(sMsg);
        const tsql::BatchRunner::Outcome outcome = company.run(
            QStringLiteral("CREATE TABLE Customer (cCusCode nvarchar(20) NOT NULL PRIMARY KEY)\n"
                           "insert into Customer values ('C1')\n"
                           "insert into Customer values ('C2')\n"
                           "insert into Customer values ('C3')"));
        ASSERT_TRUE(outcome.ok) << qPrintable(outcome.message);
        text = ConnectionText::parse(company.connectionText(), sMsg);
        ASSERT_TRUE(text) << qPrintable(sMsg);
    }

    BackendUnderTest company{ BackendKind::Sqlite };
    std::optional<ConnectionText> text;
};

} // namespace

TEST_F(BackgroundCountBeside, TheCountComesBackToTheWaitingCaller)
{
    BackgroundCount counter(*text);
    counter.openConnection();
    auto counting = counter.countBeside(QStringLiteral("select count(*) from Customer"));
    ASSERT_TRUE(counting);
    const BackgroundCount::Counted counted = counting->get();
    EXPECT_EQ(counted.first, 3);

    auto failing = counter.countBeside(QStringLiteral("select count(*) from NoSuchTable"));
    ASSERT_TRUE(failing);
    const BackgroundCount::Counted refused = failing->get();
    EXPECT_FALSE(refused.first);
    EXPECT_TRUE(refused.second.contains(QStringLiteral("NoSuchTable")))
        << qPrintable(refused.second);
}

TEST_F(BackgroundCountBeside, NoCountBesideWhileAnEarlierReadRuns)
{
    BackgroundCount counter(*text);
    bool read = false;
    // Some million rows made up as they are read: long enough to still run when asked.
    counter.read(QStringLiteral("with recursive n(i) as (select 1 union all select i + 1 from n "
                                "where i < 3000000) select count(*) from n"),
                 [&read](const RecordSet &rows, const QString &) { read = rows.IsOpen(); });
    EXPECT_FALSE(counter.countBeside(QStringLiteral("select count(*) from Customer")));
    QElapsedTimer waited;
    waited.start();
    while (!read && waited.elapsed() < 30000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    ASSERT_TRUE(read);
    auto counting = counter.countBeside(QStringLiteral("select count(*) from Customer"));
    ASSERT_TRUE(counting) << "free again once the read is done";
    EXPECT_EQ(counting->get().first, 3);
}

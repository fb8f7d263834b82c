#include "suite/data/SqlTrace.h"

#include "CompanyFolder.h"
#include "suite/data/DataService.h"

#include <QFile>
#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace suite;

namespace {

struct TraceRecord
{
    QString member;
    double milliseconds = -1;
    QString outcome;
    QString text;
};

// Reads the records back as the format promises: a header, its number of lines, one blank.
QList<TraceRecord> readTrace(const QString &path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << qPrintable(path);
    const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
    static const QRegularExpression header(
        QStringLiteral("^-- \\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d\\.\\d{3} (\\w+) (\\d+) lines "
                       "(\\d+\\.\\d{3}) ms "
                       "(ok|failed: .*)$"));
    QList<TraceRecord> records;
    int at = 0;
    while (at < lines.size() - 1) {
        const QRegularExpressionMatch match = header.match(lines.at(at));
        if (!match.hasMatch()) {
            ADD_FAILURE() << "not a record header: " << qPrintable(lines.at(at));
            break;
        }
        const int count = match.captured(2).toInt();
        TraceRecord record{ match.captured(1), match.captured(3).toDouble(), match.captured(4),
                            lines.mid(at + 1, count).join(u'\n') };
        records.append(record);
        at += 1 + count;
        EXPECT_EQ(lines.value(at), QString()) << "a blank line ends each record";
        ++at;
    }
    EXPECT_EQ(lines.value(lines.size() - 1), QString()) << "the file ends after a record";
    return records;
}

class SqlTraceTest : public ::testing::Test
{
protected:
    void SetUp() override { SqlTrace::setFile(traceFile()); }
    void TearDown() override
    {
        SqlTrace::setFile(QString());
        qunsetenv(SqlTrace::kEnvironmentVariable);
    }

    QString traceFile() const { return folder.path(QStringLiteral("trace.sql")); }

    CompanyFolder folder;
};

} // namespace

TEST_F(SqlTraceTest, RecordsKeepTextsWithBlankLinesAndCommentsExactly)
{
    const QString text = QStringLiteral("select 1\n\n-- 2026-01-01T00:00:00.000 OpenX 1 lines\n\n");
    SqlTrace::record(QStringLiteral("OpenX"), text, 1'234'567, true, QString());
    SqlTrace::record(QStringLiteral("ExecuteX"), QStringLiteral("update x\r\nset y = 1"), 5, false,
                     QStringLiteral("no such table:\nx"));

    const QList<TraceRecord> records = readTrace(traceFile());
    ASSERT_EQ(records.size(), 2);
    EXPECT_EQ(records[0].member, QStringLiteral("OpenX"));
    EXPECT_DOUBLE_EQ(records[0].milliseconds, 1.235);
    EXPECT_EQ(records[0].outcome, QStringLiteral("ok"));
    EXPECT_EQ(records[0].text, text);
    EXPECT_EQ(records[1].outcome, QStringLiteral("failed: no such table: x"));
    EXPECT_EQ(records[1].text, QStringLiteral("update x\r\nset y = 1"));
}

TEST_F(SqlTraceTest, TheHostsFileWinsOverTheEnvironmentAndTracingIsOffWithNeither)
{
    const QString fromEnvironment = folder.path(QStringLiteral("env.sql"));
    qputenv(SqlTrace::kEnvironmentVariable, fromEnvironment.toLocal8Bit());
    EXPECT_EQ(SqlTrace::file(), traceFile());
    SqlTrace::setFile(QString());
    EXPECT_EQ(SqlTrace::file(), fromEnvironment);

    SqlTrace::record(QStringLiteral("OpenX"), QStringLiteral("select 2"), 0, true, QString());
    EXPECT_EQ(readTrace(fromEnvironment).size(), 1);
    EXPECT_FALSE(QFile::exists(traceFile()));

    qunsetenv(SqlTrace::kEnvironmentVariable);
    EXPECT_EQ(SqlTrace::file(), QString());
    SqlTrace::record(QStringLiteral("OpenX"), QStringLiteral("select 3"), 0, true, QString());
    EXPECT_EQ(readTrace(fromEnvironment).size(), 1);
}

TEST_F(SqlTraceTest, TheDataServiceTracesEveryTextAsReceivedWithItsOutcome)
{
    folder.runOnCompany(kCustomerTables);
    ClsCommon service;
    service.Init(folder.connectionText());
    ASSERT_TRUE(service.Status()) << qPrintable(service.LastError());

    const QString select = QStringLiteral("select cCusCode\n\n  from Customer\n");
    EXPECT_TRUE(service.OpenX(select).IsOpen());
    EXPECT_FALSE(service.ExecuteX(QStringLiteral("update NoSuchTable set x = 1")));
    int pageSize = 5;
    int page = 1;
    int pageCount = 0;
    RecordSet rows;
    QString sMsg;
    bool bFlag = false;
    service.OpenPage(QStringLiteral("select * from Customer"), pageSize, page, pageCount, rows,
                     sMsg, bFlag);
    QVariant result;
    service.ExecPROCNew(QStringLiteral("SA_UpdateCusCreditSum"), { QStringLiteral("O'Neil") },
                        result, 0);

    const QList<TraceRecord> records = readTrace(traceFile());
    ASSERT_EQ(records.size(), 4);
    EXPECT_EQ(records[0].member, QStringLiteral("OpenX"));
    EXPECT_EQ(records[0].text, select);
    EXPECT_EQ(records[0].outcome, QStringLiteral("ok"));
    EXPECT_EQ(records[1].member, QStringLiteral("ExecuteX"));
    EXPECT_TRUE(records[1].outcome.startsWith(QStringLiteral("failed: ")));
    EXPECT_TRUE(records[1].outcome.contains(QStringLiteral("NoSuchTable")))
        << qPrintable(records[1].outcome);
    EXPECT_EQ(records[2].member, QStringLiteral("OpenPage"));
    EXPECT_EQ(records[2].outcome, QStringLiteral("ok"));
    EXPECT_EQ(records[3].member, QStringLiteral("ExecPROCNew"));
    EXPECT_EQ(records[3].text, QStringLiteral("SA_UpdateCusCreditSum 'O''Neil'"));
    EXPECT_TRUE(records[3].outcome.startsWith(QStringLiteral("failed: ")));
}

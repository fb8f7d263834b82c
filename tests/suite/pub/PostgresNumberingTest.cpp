#include "PostgresCompany.h"
#include "SecondProcessClient.h"

#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

using namespace suite;

// Clients on several machines saving new customers of one class at the same moment on a
// company of a PostgreSQL server: each is offered the next free code, and only one of two
// clients offered the same code can save it.
namespace {

class PostgresNumberingTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        SKIP_WITHOUT_POSTGRES();
        ASSERT_TRUE(company.ok()) << qPrintable(company.error());
        QString sMsg;
        ASSERT_TRUE(company.buildEmptyCompany(sMsg)) << qPrintable(sMsg);
    }

    QStringList column(const QString &sql)
    {
        QString sMsg;
        const RecordSet rows = company.admin().queryStatement(sql.arg(company.schema()), {}, sMsg);
        EXPECT_TRUE(rows.IsOpen()) << qPrintable(sMsg);
        QStringList values;
        for (int row = 0; row < rows.RecordCount(); ++row)
            values.append(rows.valueAt(row, 0).toString());
        return values;
    }

    PostgresCompany company;
};

} // namespace

TEST_F(PostgresNumberingTest, ProcessesSavingAtOnceLoseNoSaveAndNeverShareACode)
{
    constexpr int kProcesses = 4;
    SecondProcessClient clients[kProcesses];
    for (SecondProcessClient &client : clients) {
        const QString ready = client.start(company.connectionText(), QStringLiteral("demo"),
                                           QStringLiteral("演示管理员"));
        ASSERT_TRUE(ready.startsWith(QStringLiteral("ready"))) << qPrintable(ready);
    }
    for (SecondProcessClient &client : clients)
        client.send(QStringLiteral("number-for 3000 0101"));

    // A save that lost its code to another client's save says so in the suite's words.
    static const QRegularExpression suiteLoss(
        QStringLiteral("^lost (The customer code '0101\\d{4}' is already used by the customer "
                       "'0101\\d{4}'\\.|Another user changed the same data at the same time;|A "
                       "record with the same key exists already;)"));
    QStringList codes;
    int lost = 0;
    for (SecondProcessClient &client : clients) {
        const QStringList answers = client.readUntil({ "done", "error" });
        ASSERT_EQ(answers.last(), QStringLiteral("done")) << qPrintable(answers.join(u'\n'));
        for (const QString &line : answers.mid(0, answers.size() - 1)) {
            if (line.startsWith(QStringLiteral("code "))) {
                codes.append(line.mid(5));
            } else {
                ++lost;
                EXPECT_TRUE(suiteLoss.match(line).hasMatch()) << qPrintable(line);
            }
        }
    }
    ASSERT_GT(codes.size(), kProcesses) << "each client saved more than one customer";
    EXPECT_EQ(QSet<QString>(codes.cbegin(), codes.cend()).size(), codes.size())
        << "a code handed to two saves";
    codes.sort();
    QStringList expected;
    for (int serial = 1; serial <= codes.size(); ++serial)
        expected.append(QStringLiteral("0101%1").arg(serial, 4, 10, QLatin1Char('0')));
    EXPECT_EQ(codes, expected) << "the codes follow one another without a gap";
    EXPECT_EQ(column(QStringLiteral("select ccuscode from %1.customer where ccuscode like "
                                    "'0101____' order by ccuscode")),
              expected)
        << "every save reported is stored, and nothing else";
    EXPECT_EQ(column(QStringLiteral("select iLastNumber from %1.voucherhistory where cObject = "
                                    "'Customer' and cPrefix = '0101'")),
              QStringList{ QString::number(codes.size()) });
    RecordProperty("lost", lost);
}

#include "DemoCompanyCopy.h"
#include "ProductRun.h"

#include "catalogue/QuickSearch.h"
#include "suite/core/SqlQuote.h"
#include "suite/data/DataService.h"
#include "suite/data/SqliteConnection.h"
#include "suite/data/SqliteSearchStatistics.h"
#include "suite/data/tsql/SqliteDialect.h"
#include "suite/data/tsql/TsqlTranslator.h"

#include <limits>

#include <gtest/gtest.h>

namespace {

// The searched fields one per line, in SQL both backends take: a line end quoted as itself.
const QString kSearchedText = QStringLiteral(
    "coalesce(cCusCode,'') || '\n' || coalesce(cCusName,'') || '\n' || "
    "coalesce(cCusAbbName,'') "
    "|| '\n' || coalesce(cCusMnemCode,'') || '\n' || coalesce(cCusPhone,'') || '\n' || "
    "coalesce(cCusHand,'') || '\n' || coalesce(cCusRegCode,'')");
const char *const kSearchedIndex =
    "the SQLite search index; the server's trigram index has tests of the server backend";

} // namespace

// The quick search on a demo company: what it finds, checked against a plain scan of the same
// fields, and that its index follows every road that writes customers.
class QuickSearch : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_company.ok()) << qPrintable(m_company.error());
        m_service.Init(m_company.connectionText());
        ASSERT_TRUE(m_service.Status()) << qPrintable(m_service.LastError());
    }

    // The codes the search finds through the data service, in code order.
    QStringList found(const QString &text)
    {
        const suite::RecordSet rows = m_service.OpenX(
            QStringLiteral("select cCusCode from Customer where %1 order by cCusCode")
                .arg(customer::quickSearchCondition(text)));
        EXPECT_TRUE(rows.IsOpen()) << qPrintable(text) << ": " << qPrintable(m_service.LastError());
        QStringList codes;
        for (int row = 0; row < rows.RecordCount(); ++row)
            codes.append(rows.valueAt(row, 0).toString());
        return codes;
    }

    // The codes whose searched fields hold every word, scanned row by row: a text holds a word
    // when taking the word out changes it.
    QStringList scanned(const QString &text, const QString &rows = QStringLiteral("1=1")) const
    {
        QStringList conditions;
        for (const QString &word : customer::quickSearchWords(text))
            conditions.append(QStringLiteral("replace(lower(%1), lower(%2), '') <> lower(%1)")
                                  .arg(kSearchedText, suite::sqlQuoted(word)));
        return column(
            QStringLiteral("select cCusCode from Customer where %1 and %2 order by cCusCode")
                .arg(rows, conditions.join(QStringLiteral(" and "))));
    }

    QStringList column(const QString &sql) const
    {
        return m_company.column(DemoCompanyCopy<>::Company, sql);
    }

    QString field(const QString &name, const QString &code) const
    {
        return column(
                   QStringLiteral("select %1 from Customer where cCusCode = '%2'").arg(name, code))
            .value(0);
    }

    CommandRun product(const QString &command, const QStringList &arguments) const
    {
        return runProduct(
            QStringList{ command, "--db", m_company.connectionText(), "--lang", "en-US" }
            + arguments);
    }

    DemoCompanyCopy<> m_company;
    suite::ClsCommon m_service;
};

TEST_F(QuickSearch, FindsAnyPartOfEverySearchedFieldOfOneTwoThreeAndMoreCharacters)
{
    const QString code = QStringLiteral("0000003");
    for (const char *name : { "cCusCode", "cCusName", "cCusAbbName", "cCusMnemCode", "cCusPhone",
                              "cCusHand", "cCusRegCode" }) {
        const QString value = field(QLatin1StringView(name), code);
        ASSERT_GE(value.size(), 6) << name;
        for (const int length : { 1, 2, 3, 6 }) {
            for (const QString &part : { value.right(length), value.mid(1, length).toLower() }) {
                const QStringList codes = found(part);
                EXPECT_TRUE(codes.contains(code)) << name << " '" << qPrintable(part) << "'";
                EXPECT_EQ(codes, scanned(part)) << name << " '" << qPrintable(part) << "'";
            }
        }
    }
    const QString name = field(QStringLiteral("cCusName"), code);
    const QString twoWords =
        name.left(2) + u' ' + field(QStringLiteral("cCusPhone"), code).right(4);
    EXPECT_EQ(found(twoWords), scanned(twoWords));
    EXPECT_TRUE(found(twoWords).contains(code));
    EXPECT_EQ(found(QStringLiteral("骐骥麒麟")), QStringList());
    EXPECT_EQ(found(QStringLiteral("骐")), scanned(QStringLiteral("骐")));
}

TEST_F(QuickSearch, HostileTextNeverFailsNorReachesPastTheWords)
{
    const QStringList before = column("select count(*) from Customer");
    m_company.run(DemoCompanyCopy<>::Company,
                  "update Customer set cCusName = cCusName || 'O''Neil \"R&D\" (NEAR) a*b:c' "
                  "where cCusCode = '0000002'");
    for (const char *text : { "'",           "\"",         "\"\"",
                              "''",          "O'Neil",     "\"R&D\"",
                              "(NEAR)",      "a*b:c",      "NEAR(a b)",
                              "a AND b",     "a OR b",     "NOT a",
                              "*",           "cCusName:a", "cCusName : 北京",
                              "(",           ")",          "^a",
                              "a -b",        "{a}",        "'; drop table Customer; --",
                              "%",           "_",          "\\",
                              "') or 1=1 --" }) {
        const QString search = QString::fromUtf8(text);
        EXPECT_EQ(found(search), scanned(search)) << text;
    }
    EXPECT_EQ(found(QStringLiteral("o'neil \"r&d\"")), QStringList{ "0000002" });
    EXPECT_EQ(column("select count(*) from Customer"), before);
}

// The codes a search finds on its own connection, translated with statistics that send
// searches of manyRows matches and more through the list.
QStringList foundWalkingFrom(const QString &file, qint64 manyRows, const QString &text)
{
    suite::SqliteConnection connection;
    QString sMsg;
    EXPECT_TRUE(connection.open(file, sMsg, suite::SqliteConnection::OpenMode::ReadOnly))
        << qPrintable(sMsg);
    suite::SqliteSearchStatistics statistics(connection, manyRows);
    suite::tsql::TsqlTranslator translator(
        std::make_shared<suite::tsql::SqliteDialect>(&statistics));
    const auto batch = translator.translate(
        QStringLiteral("select cCusCode from Customer where %1 order by cCusCode")
            .arg(customer::quickSearchCondition(text)),
        sMsg);
    EXPECT_TRUE(batch) << qPrintable(sMsg);
    if (!batch)
        return {};
    const suite::RecordSet rows = connection.queryStatement(batch->steps.front().sql, {}, sMsg);
    EXPECT_TRUE(rows.IsOpen()) << qPrintable(sMsg);
    QStringList codes;
    for (int row = 0; rows.IsOpen() && row < rows.RecordCount(); ++row)
        codes.append(rows.valueAt(row, 0).toString());
    return codes;
}

TEST_F(QuickSearch, TheWalkThroughTheListAndTheIndexFindTheSameRows)
{
    SKIP_ON_SERVER_BACKEND(kSearchedIndex);
    m_company.run(DemoCompanyCopy<>::Company,
                  "update Customer set cCusName = cCusName || ' 5%_x\\y O''Neil' "
                  "where cCusCode = '0000002'");
    const QString file = m_company.file(DemoCompanyCopy<>::Company);
    const QString mnemonic = field(QStringLiteral("cCusMnemCode"), QStringLiteral("0000004"));
    for (const QString &text :
         { QStringLiteral("有限"), QStringLiteral("有限公司"), QStringLiteral("限 0000003"),
           QStringLiteral("有限公司 1"), mnemonic.left(2).toLower(), mnemonic.left(3).toUpper(),
           QStringLiteral("5%_x\\y"), QStringLiteral("%"), QStringLiteral("_"),
           QStringLiteral("o'neil"), QStringLiteral("骐骥麒麟") }) {
        const QStringList expected = scanned(text);
        EXPECT_EQ(foundWalkingFrom(file, 1, text), expected) << "walking: " << qPrintable(text);
        EXPECT_EQ(foundWalkingFrom(file, std::numeric_limits<qint64>::max(), text), expected)
            << "from the index: " << qPrintable(text);
    }
    EXPECT_EQ(scanned(QStringLiteral("5%_x\\y")), QStringList{ "0000002" });
}

TEST_F(QuickSearch, StatisticsCountMatchesUpToTheCapAndEstimateFromASample)
{
    SKIP_ON_SERVER_BACKEND(kSearchedIndex);
    suite::SqliteConnection connection;
    QString sMsg;
    ASSERT_TRUE(connection.open(m_company.file(DemoCompanyCopy<>::Company), sMsg,
                                suite::SqliteConnection::OpenMode::ReadOnly))
        << qPrintable(sMsg);
    const suite::SqliteSearchStatistics statistics(connection);
    const qint64 all = column("select count(*) from Customer").value(0).toLongLong();
    ASSERT_EQ(all, DemoCompanyCopy<>::kCustomers);
    EXPECT_EQ(statistics.matchingRows("CustomerSearch", "\"0000\"", 1000), all);
    EXPECT_EQ(statistics.matchingRows("CustomerSearch", "\"0000\"", 7), 7);
    EXPECT_EQ(statistics.matchingRows("CustomerSearch", "\"骐骥麒麟\"", 7), 0);
    EXPECT_EQ(statistics.estimatedRows("Customer", "Customer.cCusCode like '0%'"), all)
        << "a table smaller than the sample is tried whole";
    EXPECT_EQ(statistics.estimatedRows("Customer", "Customer.cCusCode = '0000003'"), 1);
    EXPECT_EQ(statistics.estimatedRows("Customer", "Customer.cCusCode is null"), 0);
}

TEST_F(QuickSearch, TheIndexFollowsAddModifyDeleteMergeAndBatchModify)
{
    QString sMsg;
    const QString oldName = field(QStringLiteral("cCusName"), QStringLiteral("0000003"));
    ASSERT_TRUE(m_service.Modify(QStringLiteral("<Customer><CCusCode>0000003</CCusCode>"
                                                "<CCusName>琥珀星辰科技有限公司</CCusName>"
                                                "</Customer>"),
                                 QStringLiteral("Customer"), sMsg))
        << qPrintable(sMsg);
    EXPECT_EQ(found(QStringLiteral("琥珀星辰")), QStringList{ "0000003" });
    EXPECT_EQ(found(QStringLiteral("珀星")), QStringList{ "0000003" });
    EXPECT_FALSE(found(oldName).contains(QStringLiteral("0000003"))) << qPrintable(oldName);

    ASSERT_TRUE(m_service.Add(QStringLiteral("<Customer bCreateBillNum='0' bManualChangeCode='1'>"
                                             "<CCusCode>T900</CCusCode><CCusName>青金石贸易有限公司"
                                             "</CCusName><CCusAbbName>青金石</CCusAbbName>"
                                             "<cCCCode>01</cCCCode><cDCCode>01</cDCCode>"
                                             "<cCusPhone>0898-QJS</cCusPhone></Customer>"),
                              QStringLiteral("Customer"), sMsg))
        << qPrintable(sMsg);
    EXPECT_EQ(found(QStringLiteral("青金石")), QStringList{ "T900" });
    EXPECT_EQ(found(QStringLiteral("qjs")), QStringList{ "T900" });
    EXPECT_EQ(found(QStringLiteral("t9")), scanned(QStringLiteral("t9")));
    ASSERT_TRUE(m_service.Delete(QStringLiteral("T900"), QStringLiteral("cCusCode"),
                                 QStringLiteral("Customer"), sMsg, QStringLiteral("demo")))
        << qPrintable(sMsg);
    EXPECT_EQ(found(QStringLiteral("青金石")), QStringList());
    EXPECT_EQ(found(QStringLiteral("t9")), scanned(QStringLiteral("t9")));

    const QString merged = field(QStringLiteral("cCusRegCode"), QStringLiteral("0000004"));
    ASSERT_TRUE(m_service.Modify(QStringLiteral("<Customer Operating ='Unite'><Code1>0000004"
                                                "</Code1><Code2>0000005</Code2></Customer>"),
                                 QStringLiteral("Customer"), sMsg))
        << qPrintable(sMsg);
    EXPECT_EQ(found(merged), QStringList());
    EXPECT_EQ(found(field(QStringLiteral("cCusRegCode"), QStringLiteral("0000005"))),
              QStringList{ "0000005" });

    const CommandRun batch = product(
        "batch-modify",
        { "--field", "cCusPhone", "--value", "0571-QZXW", "--codes", "0000006,0000007", "--yes" });
    ASSERT_EQ(batch.exitCode, 0) << qPrintable(batch.err);
    EXPECT_EQ(found(QStringLiteral("qzxw")), (QStringList{ "0000006", "0000007" }));

    for (const char *text : { "有限", "公司", "1", "0", "a", "科技", "010" })
        EXPECT_EQ(found(QString::fromUtf8(text)), scanned(QString::fromUtf8(text))) << text;
}

TEST_F(QuickSearch, ListSearchPrintsOnlyTheMatchesTheUserMaySee)
{
    const QString word = QStringLiteral("有限");
    const CommandRun all = product("list", { "--search", word, "--page-size", "1000" });
    ASSERT_EQ(all.exitCode, 0) << qPrintable(all.err);
    QStringList shown;
    for (const QString &line : all.lines.mid(1))
        shown.append(line.section(u'\t', 0, 0));
    const QString listed = QStringLiteral("coalesce(bTransFlag,0)=0");
    EXPECT_EQ(shown, scanned(word, listed));

    const CommandRun sales =
        product("list", { "--search", word, "--user", "sales1", "--page-size", "1000" });
    ASSERT_EQ(sales.exitCode, 0) << qPrintable(sales.err);
    const CommandRun rights = product("list", { "--user", "sales1", "--page-size", "1000" });
    QStringList mayRead;
    for (const QString &line : rights.lines.mid(1))
        mayRead.append(line.section(u'\t', 0, 0));
    QStringList salesShown;
    for (const QString &line : sales.lines.mid(1))
        salesShown.append(line.section(u'\t', 0, 0));
    QStringList expected;
    for (const QString &code : scanned(word, listed)) {
        if (mayRead.contains(code))
            expected.append(code);
    }
    EXPECT_EQ(salesShown, expected);
    EXPECT_LT(salesShown.size(), shown.size()) << "sales1 reads only some customers";

    const CommandRun hostile =
        product("list", { "--search", "') or 1=1 --\"", "--user", "sales1" });
    EXPECT_EQ(hostile.exitCode, 0) << qPrintable(hostile.err);
    EXPECT_EQ(hostile.lines.size(), 1) << "the header alone: nothing holds those words";
}

TEST_F(QuickSearch, ACompanyMadeBeforeTheIndexGetsItWhenOpened)
{
    SKIP_ON_SERVER_BACKEND(kSearchedIndex);
    m_company.run(DemoCompanyCopy<>::Company,
                  "drop trigger CustomerSearch_Insert; drop trigger CustomerSearch_Update; "
                  "drop trigger CustomerSearch_Delete; drop view CustomerSearchText; "
                  "drop table CustomerSearchTerms; drop table CustomerSearch");
    const CommandRun first = product("list", { "--search", "有限", "--page-size", "1000" });
    ASSERT_EQ(first.exitCode, 0) << qPrintable(first.err);
    EXPECT_TRUE(first.err.contains(
        u"building the quick-search index of 20 customers, once for this company"))
        << qPrintable(first.err);
    EXPECT_TRUE(first.err.contains(u"quick-search index 100 %")) << qPrintable(first.err);
    EXPECT_FALSE(first.err.contains(u"110 %")) << qPrintable(first.err);
    EXPECT_EQ(first.lines.size() - 1,
              scanned(QStringLiteral("有限"), QStringLiteral("coalesce(bTransFlag,0)=0")).size());

    const CommandRun second = product("list", { "--search", "有限" });
    EXPECT_FALSE(second.err.contains(u"quick-search index")) << "built once";
    EXPECT_EQ(found(QStringLiteral("有限")), scanned(QStringLiteral("有限")));
}

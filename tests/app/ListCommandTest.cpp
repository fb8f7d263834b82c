#include "DemoCompanyCopy.h"

#include "app/ListPage.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct ListRun
{
    int exitCode = -1;
    QStringList lines; // standard output
    QString err;
};

// The cells of a column of the rows below the header line, found by its caption.
QStringList column(const QStringList &lines, const QString &caption)
{
    const int index = lines.value(0).split(u'\t').indexOf(caption);
    QStringList cells;
    for (const QString &row : lines.mid(1))
        cells.append(row.split(u'\t').value(index, QStringLiteral("?")));
    return cells;
}

} // namespace

class ListCommand : public ::testing::Test
{
protected:
    ListRun list(const QStringList &arguments, const QString &traceFile = QString()) const
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("CUSTOMER_ARCHIVE_SQL_TRACE"), traceFile);
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(CUSTOMER_ARCHIVE_PATH),
                      QStringList{ "list", "--db", m_company.connectionText(), "--lang", "en-US" }
                          + arguments);
        ListRun run;
        if (!process.waitForFinished(120000))
            return run;
        run.exitCode = process.exitCode();
        run.lines = QString::fromUtf8(process.readAllStandardOutput()).split(u'\n');
        run.lines.removeLast(); // after the last line break
        run.err = QString::fromUtf8(process.readAllStandardError());
        return run;
    }

    // The codes of the customers the list may show, in code order.
    QStringList codesWhere(const QString &condition) const
    {
        return m_company.column(
            DemoCompanyCopy<>::Company,
            QStringLiteral("select cCusCode from Customer where "
                           "coalesce(bTransFlag,0)=0 and (%1) order by cCusCode")
                .arg(condition));
    }

    void SetUp() override { ASSERT_TRUE(m_company.ok()) << qPrintable(m_company.error()); }
    DemoCompanyCopy<> m_company;
};

TEST_F(ListCommand, PrintsTheFirstPageWithTheHeaderCaptions)
{
    const ListRun run = list({});
    ASSERT_EQ(run.exitCode, 0) << qPrintable(run.err);
    EXPECT_TRUE(run.lines.value(0).startsWith(u"Customer Code\tAbbreviation\tCustomer Name\t"))
        << qPrintable(run.lines.value(0));
    EXPECT_EQ(column(run.lines, QStringLiteral("Customer Code")),
              codesWhere(QStringLiteral("1=1")).mid(0, 5))
        << "the window's smallest page size, as the user never applied one";
}

TEST_F(ListCommand, APageBeyondTheEndIsTheLastPage)
{
    const int customers = int(codesWhere(QStringLiteral("1=1")).size());
    const int lastPage = (customers + 5) / 6;
    const ListRun beyond = list({ "--page-size", "6", "--page", "99" });
    ASSERT_EQ(beyond.exitCode, 0) << qPrintable(beyond.err);
    EXPECT_EQ(beyond.lines.size() - 1, customers - (lastPage - 1) * 6);
    EXPECT_EQ(beyond.lines,
              list({ "--page-size", "6", "--page", QString::number(lastPage) }).lines);
}

TEST_F(ListCommand, AClassShowsTheCustomersOfItsSubclasses)
{
    const ListRun run = list({ "--class", "01", "--page-size", "1000" });
    ASSERT_EQ(run.exitCode, 0) << qPrintable(run.err);
    const QStringList classes = column(run.lines, QStringLiteral("Class Code"));
    ASSERT_FALSE(classes.isEmpty());
    for (const QString &code : classes)
        EXPECT_TRUE(code.startsWith(u"01")) << qPrintable(code);
    EXPECT_EQ(column(run.lines, QStringLiteral("Customer Code")),
              codesWhere(QStringLiteral("cCCCode like '01%'")));
    EXPECT_EQ(list({ "--class", "01' or '1'='1" }).exitCode, 1) << "no such class";
}

TEST_F(ListCommand, ShowsTheStatementTheDataServiceReceivesAndKeepsTheFilterOneCondition)
{
    m_company.run(
        DemoCompanyCopy<>::Company,
        QStringLiteral("update Customer set cCusName='O''Brien' where cCusCode='0000002'"));
    QTemporaryDir dir;
    const QString trace = dir.filePath(QStringLiteral("trace.sql"));
    const ListRun run =
        list({ "--show-sql", "--filter", "cCusName = 'O''Brien' or cCusName = 'x'" }, trace);
    ASSERT_EQ(run.exitCode, 0) << qPrintable(run.err);
    ASSERT_EQ(run.lines.size(), 3);
    EXPECT_TRUE(run.lines[0].endsWith(
        u"and 1=1 and (cCusName = 'O''Brien' or cCusName = 'x') order by Customer.cCusCode"))
        << qPrintable(run.lines[0]);
    QFile traced(trace);
    ASSERT_TRUE(traced.open(QIODevice::ReadOnly));
    const QString records = QString::fromUtf8(traced.readAll());
    EXPECT_TRUE(records.contains(QStringLiteral(" OpenPage 1 lines ")));
    EXPECT_TRUE(records.contains(u'\n' + run.lines[0] + u'\n')) << qPrintable(records);
    EXPECT_EQ(column(run.lines.mid(1), QStringLiteral("Customer Code")), QStringList{ "0000002" });
}

TEST_F(ListCommand, TimingPrintsTheReadTimeOfThePageLast)
{
    const ListRun plain = list({ "--page-size", "3" });
    ASSERT_EQ(plain.exitCode, 0) << qPrintable(plain.err);
    const ListRun timed = list({ "--page-size", "3", "--timing" });
    ASSERT_EQ(timed.exitCode, 0) << qPrintable(timed.err);
    ASSERT_EQ(timed.lines.size(), plain.lines.size() + 1);
    EXPECT_EQ(timed.lines.mid(0, plain.lines.size()), plain.lines);
    const QRegularExpressionMatch time =
        QRegularExpression(QStringLiteral("^page read in (\\d+\\.\\d) ms$"))
            .match(timed.lines.last());
    ASSERT_TRUE(time.hasMatch()) << qPrintable(timed.lines.last());
    EXPECT_GT(time.captured(1).toDouble(), 0.0);
}

TEST_F(ListCommand, ARestrictedUserSeesOnlyThePermittedCustomers)
{
    const QStringList permitted =
        codesWhere(QStringLiteral("cCCCode like '01%' and cCusDepart='0201'"));
    ASSERT_FALSE(permitted.isEmpty());
    ASSERT_LT(permitted.size(), codesWhere(QStringLiteral("1=1")).size());
    for (const QString &filter : { QString(), QStringLiteral("1=1 or 1=1") }) {
        const ListRun run = list({ "--user", "sales1", "--page-size", "1000", "--filter", filter });
        ASSERT_EQ(run.exitCode, 0) << qPrintable(run.err);
        EXPECT_EQ(column(run.lines, QStringLiteral("Customer Code")), permitted)
            << qPrintable(filter);
    }
}

TEST_F(ListCommand, RefusesWhatItCannotShow)
{
    for (const QStringList &wrong : { QStringList{ "--bogus" },
                                      { "--page", "x" },
                                      { "--page-size", "0" },
                                      { "extra" },
                                      { "--filter", "1=1) or (1=1" },
                                      { "--filter", "1=1 -- " },
                                      { "--filter", "1=1; delete from Customer" } }) {
        const ListRun run = list(wrong);
        EXPECT_EQ(run.exitCode, 2) << qPrintable(wrong.join(u' '));
        EXPECT_TRUE(run.lines.isEmpty());
        EXPECT_TRUE(run.err.contains(u"usage: customer-archive list")) << qPrintable(run.err);
    }
    EXPECT_EQ(list({ "--user", "nobody" }).exitCode, 1);
    m_company.run(DemoCompanyCopy<>::Company,
                  QStringLiteral("insert into AA_ColumnSet (cUser_Id,cKey,cFieldName,cCaption,"
                                 "bShow,iWidth,iOrder) values "
                                 "('demo','customer','ccuscode','code',0,80,1),"
                                 "('demo','customer','ccusname','name',1,160,2)"));
    const ListRun hidden = list({});
    EXPECT_EQ(hidden.exitCode, 1);
    EXPECT_TRUE(hidden.lines.isEmpty());
    EXPECT_TRUE(hidden.err.contains(u"\"Customer code\" is required")) << qPrintable(hidden.err);
}

// A filter may test only the rows the list shows: a sub-query, another table or database, or a
// name the translator cannot read ends the command before anything is read.
TEST_F(ListCommand, AFilterCannotReachBeyondTheList)
{
    const QString refusedText = QStringLiteral("is not allowed");
    for (const QString &filter :
         { QStringLiteral("exists(select 1 from Customer c where c.cCusCode = '0000001')"),
           QStringLiteral("cCusCode in (select cUser_Id from kvsystem..ua_user)"),
           QStringLiteral("kvsystem..ua_user.cUser_Id = 'demo'"),
           QStringLiteral("db_name() = 'x'") }) {
        const ListRun run = list({ "--user", "sales1", "--filter", filter });
        EXPECT_EQ(run.exitCode, 1) << qPrintable(filter);
        EXPECT_TRUE(run.lines.isEmpty()) << qPrintable(filter);
        EXPECT_TRUE(run.err.contains(refusedText)) << qPrintable(run.err);
    }
    const ListRun emptyPart = list({ "--user", "sales1", "--filter", "cCusName.. = 1" });
    EXPECT_EQ(emptyPart.exitCode, 2);
    EXPECT_TRUE(emptyPart.err.contains(u"a dotted name has an empty part"))
        << qPrintable(emptyPart.err);
    const ListRun allowed = list({ "--user", "sales1", "--page-size", "1000", "--filter",
                                   "isnull(Customer.cCusName, '') like N'%' escape '!'" });
    ASSERT_EQ(allowed.exitCode, 0) << qPrintable(allowed.err);
    EXPECT_EQ(column(allowed.lines, QStringLiteral("Customer Code")),
              codesWhere(QStringLiteral("cCCCode like '01%' and cCusDepart='0201'")));
}

TEST(ListFilterCondition, KeepsTheParenthesesOfTheFilterDialog)
{
    QString condition, error;
    ASSERT_TRUE(host::listFilterCondition(QStringLiteral(" (a or b = ')') "), condition, error));
    EXPECT_EQ(condition, QStringLiteral("(a or b = ')')"));
}

#include "EntryFixture.h"

#include "catalogue/SharedUtilities.h"
#include "entry/ClsCustomer.h"
#include "entry/SessionContext.h"
#include "import/StagingTransfer.h"
#include "suite/pub/IPub.h"

namespace {

// A progress that asks to stop after a number of rows.
class StopAfter : public customer::TransferProgress
{
public:
    explicit StopAfter(int rows)
        : m_rows(rows)
    { }
    void started(int rows) override { total = rows; }
    void rowDone(int done) override { reported = done; }
    bool cancelRequested() override { return reported >= m_rows; }

    int total = -1;
    int reported = 0;

private:
    int m_rows;
};

} // namespace

// The transfer on a demo company of its own, entered as the import list enters it.
class StagingTransferTest : public EntryTest
{
protected:
    void SetUp() override
    {
        EntryTest::SetUp();
        enter(QStringLiteral("demo"));
        // The staging rows of the test only: the demo's own rows stay out of the selection.
        run(QStringLiteral("update customer_import set bTransFlag=1"));
    }

    void TearDown() override
    {
        if (m_entry)
            m_entry->LogOff();
        m_entry.reset();
        EntryTest::TearDown();
    }

    void enter(const QString &userId)
    {
        if (m_entry)
            m_entry->LogOff();
        const auto session = login(userId);
        m_entry = customer::ClsCustomer_import::create();
        m_entry->Init(session);
        ASSERT_TRUE(
            m_entry->CreateObj(0, session->cUserId(), session->cUserName(), session->KvDbName()))
            << qPrintable(shownTexts().join(u'\n'));
    }

    customer::StagingTransfer transfer() const
    {
        using namespace customer;
        const TransferXmlContext context = StagingTransfer::withDatabaseDefaults(
            *g_oSrv, { g_cUserId, g_cUserName, QStringLiteral("2026-11-20 10:00:00"), {}, {} },
            GetAccId());
        return StagingTransfer(g_oSrv, g_oPub, context, g_cDBName);
    }

    // Stages one row and gives its AutoID.
    QString stage(const QString &columns, const QString &values) const
    {
        run(QStringLiteral("insert into customer_import (%1) values (%2)").arg(columns, values));
        return value(QStringLiteral("select max(AutoID) from customer_import"));
    }

    customer::TransferOutcome transferRows(const QStringList &ids,
                                           customer::TransferProgress *progress = nullptr)
    {
        customer::StagingTransfer staged = transfer();
        QString sMsg;
        EXPECT_TRUE(staged.markSelection(ids, sMsg)) << qPrintable(sMsg);
        return staged.run(progress);
    }

    QString value(const QString &sql) const
    {
        return m_company.column(DemoCompanyCopy<>::Company, sql).value(0);
    }
    void run(const QString &sql) const { m_company.run(DemoCompanyCopy<>::Company, sql); }
    int customers() const { return value(QStringLiteral("select count(*) from Customer")).toInt(); }

    std::shared_ptr<customer::ClsCustomer_import> m_entry;
};

TEST_F(StagingTransferTest, SelectionStatementAsTheListSendsIt)
{
    EXPECT_EQ(
        customer::StagingTransfer::selectionStatement({ QStringLiteral("4"), QStringLiteral("7") }),
        QStringLiteral("update customer_import set cSelCol=''\r\n"
                       "update customer_import set cSelCol='Y' where autoid in (4,7,-1)"));
    EXPECT_EQ(customer::StagingTransfer::selectionStatement({}),
              QStringLiteral("update customer_import set cSelCol=''\r\n"
                             "update customer_import set cSelCol='Y' where autoid in (-1)"));
    customer::StagingTransfer staged = transfer();
    QString sMsg;
    EXPECT_FALSE(staged.markSelection({ QStringLiteral("1) or (1=1") }, sMsg));
    EXPECT_FALSE(sMsg.isEmpty());
}

TEST_F(StagingTransferTest, ARowWithAnArchiveCodeIsModifiedNeverAdded)
{
    const QString code = value(QStringLiteral("select min(cCusCode) from Customer"));
    const QString name =
        value(QStringLiteral("select cCusName from Customer where cCusCode='") + code + u'\'');
    const QString id = stage(QStringLiteral("cCusCode, cCusName, cCusPhone"),
                             QStringLiteral("'%1', '%2', '021-5555 0101'").arg(code, name));
    const int before = customers();

    const customer::TransferOutcome outcome = transferRows({ id });

    EXPECT_FALSE(outcome.failed()) << qPrintable(outcome.message);
    EXPECT_EQ(outcome.transferred, 1);
    EXPECT_EQ(customers(), before);
    EXPECT_EQ(
        value(QStringLiteral("select cCusPhone from Customer where cCusCode='") + code + u'\''),
        QStringLiteral("021-5555 0101"));
    EXPECT_EQ(value(QStringLiteral("select cCusCode || '|' || coalesce(cErrorMsg,'null') from "
                                   "customer_import where AutoID=")
                    + id),
              code + QStringLiteral("|"));
}

TEST_F(StagingTransferTest, ANewRowGetsACodeAndTheFallBacks)
{
    const QString id =
        stage(QStringLiteral("cCusName, cCCCode, dCusCreateDatetime"),
              QStringLiteral("'R&D <新> 有限公司''s', '0101', '2026-10-05 09:12:00'"));
    const int before = customers();

    const customer::TransferOutcome outcome = transferRows({ id });

    ASSERT_FALSE(outcome.failed()) << qPrintable(outcome.message);
    EXPECT_EQ(customers(), before + 1);
    const QString code =
        value(QStringLiteral("select cCusCode from customer_import where AutoID=") + id);
    ASSERT_FALSE(code.isEmpty());
    EXPECT_TRUE(code.startsWith(u"0101")) << qPrintable(code);
    const QString where = QStringLiteral(" from Customer where cCusCode='") + code + u'\'';
    EXPECT_EQ(value(QStringLiteral("select cCusAbbName") + where),
              QStringLiteral("R&D <新> 有限公司's"));
    EXPECT_EQ(value(QStringLiteral("select cCusExch_name") + where), QStringLiteral("人民币"));
    EXPECT_EQ(value(QStringLiteral("select cCusMngTypeCode") + where), QStringLiteral("01"));
    EXPECT_TRUE(value(QStringLiteral("select dCusDevDate") + where).startsWith(u"2026-10-05"));
}

TEST_F(StagingTransferTest, AFailingRowStopsTheTransferWithItsMessage)
{
    const QString first =
        stage(QStringLiteral("cCusName, cCCCode"), QStringLiteral("'甲新公司', '0101'"));
    const QString failing =
        stage(QStringLiteral("cCusCode, cCusName"), QStringLiteral("'NO-SUCH-1', '乙不存在公司'"));
    const QString after =
        stage(QStringLiteral("cCusName, cCCCode"), QStringLiteral("'丙新公司', '0101'"));
    const int before = customers();

    const customer::TransferOutcome outcome = transferRows({ first, failing, after });

    ASSERT_TRUE(outcome.failed());
    EXPECT_EQ(outcome.failedAutoId, failing);
    EXPECT_EQ(outcome.transferred, 1);
    EXPECT_EQ(customers(), before + 1);
    EXPECT_FALSE(value(QStringLiteral("select cCusCode from customer_import where AutoID=") + first)
                     .isEmpty());
    EXPECT_EQ(
        value(QStringLiteral("select cErrorMsg from customer_import where AutoID=") + failing),
        outcome.message.left(500));
    EXPECT_TRUE(value(QStringLiteral("select cCusCode from customer_import where AutoID=") + after)
                    .isEmpty());
}

TEST_F(StagingTransferTest, NothingSelectedTransfersNothing)
{
    stage(QStringLiteral("cCusName, cCCCode, cSelCol"), QStringLiteral("'丁新公司', '0101', 'Y'"));
    const int before = customers();

    const customer::TransferOutcome outcome = transferRows({});

    EXPECT_FALSE(outcome.failed());
    EXPECT_EQ(outcome.transferred, 0);
    EXPECT_EQ(customers(), before);
    EXPECT_EQ(value(QStringLiteral("select count(*) from customer_import where cSelCol='Y'")),
              QStringLiteral("0"));
}

TEST_F(StagingTransferTest, ACancelStopsAfterTheCurrentRowAcrossBatches)
{
    QStringList ids;
    for (int n = 0; n < 5; ++n)
        ids.append(stage(QStringLiteral("cCusName, cCCCode"),
                         QStringLiteral("'批量新公司%1', '0101'").arg(n)));
    const int before = customers();
    customer::StagingTransfer staged = transfer();
    staged.batchRows = 2;
    QString sMsg;
    ASSERT_TRUE(staged.markSelection(ids, sMsg));
    StopAfter progress(3);

    const customer::TransferOutcome outcome = staged.run(&progress);

    EXPECT_TRUE(outcome.cancelled);
    EXPECT_EQ(progress.total, 5);
    EXPECT_EQ(outcome.transferred, 3);
    EXPECT_EQ(customers(), before + 3);
    EXPECT_EQ(value(QStringLiteral("select count(*) from customer_import where cCusCode is null "
                                   "and AutoID in (")
                    + ids.join(u',') + u')'),
              QStringLiteral("2"));
}

TEST_F(StagingTransferTest, Sales1ReadsOnlyTheStagedRowsOfHisRights)
{
    const QString his = stage(QStringLiteral("cCusName, cCCCode, cCusDepart"),
                              QStringLiteral("'北京新客户', '0101', '0201'"));
    const QString other = stage(QStringLiteral("cCusName, cCCCode, cCusDepart"),
                                QStringLiteral("'广州新客户', '0301', '0401'"));
    enter(QStringLiteral("sales1"));
    const QString rights = customer::g_sRowAuthInv;
    EXPECT_TRUE(rights.contains(QStringLiteral("Customer_import."), Qt::CaseInsensitive))
        << qPrintable(rights);

    EXPECT_EQ(
        m_company.column(DemoCompanyCopy<>::Company,
                         QStringLiteral("select AutoID from customer_import where AutoID in (")
                             + his + u',' + other + QStringLiteral(") and ") + rights),
        QStringList{ his });
}

TEST_F(StagingTransferTest, TheSummaryInBothLanguages)
{
    EXPECT_EQ(suite::ResourceTable::builtIn(QStringLiteral("zh-cn"))
                  .text(QStringLiteral("Tarn.AA.ARCHIVE.IMPORT.syncdone"))
                  .arg(2),
              QStringLiteral("同步完成,成功2条记录."));
    EXPECT_EQ(text("Tarn.AA.ARCHIVE.IMPORT.syncdone"),
              QStringLiteral("Transfer complete: %1 records transferred."));
}

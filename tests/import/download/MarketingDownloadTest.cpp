#include "DownloadFixture.h"

#include "import/MarketingStatements.h"
#include "import/UrlEncode.h"

using namespace customer;

namespace {

QString downloadDone(int pages, int rows, int added, int updated)
{
    return suite::ResourceTable::builtIn(QStringLiteral("en-us"))
        .format(QStringLiteral("Tarn.AA.ARCHIVE.IMPORT.downloaddone"),
                { QString::number(pages), QString::number(rows), QString::number(added),
                  QString::number(updated) });
}

// A staging row of the service's record as the test reads it back.
const QString kStagedRecord = QStringLiteral(
    "select iSourceType || '|' || coalesce(cCusCode,'<null>') || '|' || cCusName || '|' || "
    "cCusAbbName || '|' || cCusAddress || '|' || cCusPhone || '|' || cCusPPerson || '|' || "
    "cCreatePerson || '|' || dCusCreateDatetime || '|' || cModifyPerson || '|' || dModifyDate "
    "|| '|' || cCusBank || '|' || cCusAccount || '|' || cCusEmail || '|' || cMemo || '|' || "
    "cCusFax || '|' || cLocationSite from customer_import where iSourceId='%1'");

QString expectedRow(const demo::MarketingRecord &record)
{
    const QString abbreviation =
        record.ShortName.isEmpty() ? record.Name.left(60) : record.ShortName;
    return QStringList{ QStringLiteral("8"),
                        record.TarnCode,
                        record.Name,
                        abbreviation,
                        record.Address,
                        record.Phone,
                        record.OwnerID,
                        record.CreatedByID,
                        record.CreatedTime,
                        record.ModifiedByID,
                        record.ModifiedTime,
                        record.Bank,
                        record.BankAccount,
                        record.Email,
                        record.Beizhu,
                        record.Fax,
                        record.Lat + u',' + record.Lng }
        .join(u'|');
}

} // namespace

TEST_F(DownloadTest, ThreePagesLandAndMergeAndTheDemoRowsStayAsTheyWere)
{
    serve(5017);
    const QStringList before = stagingTable();
    // A company file gives the time as its text, the server as a date-time value ("…T…").
    const QString newest = value(QStringLiteral("select max(dModifyDate) from customer_import"));
    CancelAfterPages progress(1000);

    const DownloadOutcome outcome = download(&progress);

    EXPECT_EQ(outcome.messages, QStringList{ downloadDone(3, 5017, 5017, 0) });
    EXPECT_TRUE(outcome.merged);
    EXPECT_TRUE(outcome.refreshList);
    EXPECT_EQ(m_server->pagesAsked(), (QList<int>{ 1, 2, 3 }));
    EXPECT_EQ(progress.landed, (QList<int>{ 1, 2, 3 }));
    EXPECT_EQ(progress.lastRows, 5017);
    const QStringList after = stagingTable();
    ASSERT_EQ(after.size(), before.size() + 5017);
    EXPECT_EQ(after.mid(0, before.size()), before) << "the rows staged before are untouched";
    EXPECT_EQ(value(QStringLiteral("select count(distinct iSourceId) from customer_import where "
                                   "iSourceId>='100001' and iSourceId<='105017'")),
              QStringLiteral("5017"));

    const demo::MarketingRecords records(5017);
    for (const int index : { 0, 9, 2499, 2500, 5016 }) {
        const demo::MarketingRecord record = records.record(index);
        EXPECT_EQ(value(kStagedRecord.arg(record.ID)), expectedRow(record)) << index;
    }
    EXPECT_TRUE(records.record(9).ShortName.isEmpty()) << "a record without a short name";

    // The first request asks for what changed since the newest staged modification.
    const QString firstUrl = marketing::pageUrl(m_server->baseUrl(), 1, demo::kDemoEnterpriseCode,
                                                URLEncode(newest.left(19).replace(u'T', u' ')));
    const QStringList trace = traced();
    ASSERT_GE(trace.size(), 2);
    EXPECT_EQ(trace[0], QStringLiteral("GetResponse_begin:1 ") + firstUrl);
    EXPECT_EQ(trace[1], QStringLiteral("GetResponse_end:1 ") + firstUrl);
    EXPECT_TRUE(firstUrl.contains(QStringLiteral("&modifyTimeBegin=2026%2D")));
}

TEST_F(DownloadTest, ASecondDownloadUpdatesTheModifiedRecordsAndAddsNoneTwice)
{
    serve(30);
    ASSERT_TRUE(download().merged);
    // A row transferred meanwhile carries its archive code, and the user set its type.
    run(QStringLiteral("update customer_import set cCusCode='0000001', cCusMngTypeCode='02' "
                       "where iSourceId='100003'"));
    const QStringList before = stagingTable();
    m_server->modify(3);
    m_server->modify(7);

    const DownloadOutcome outcome = download();

    // The newest record comes again (its time is the one asked from) with the two changed.
    EXPECT_EQ(outcome.messages, QStringList{ downloadDone(1, 3, 0, 3) });
    const QStringList after = stagingTable();
    ASSERT_EQ(after.size(), before.size());
    demo::MarketingRecords records(30);
    records.modify(3);
    records.modify(7);
    for (const int index : { 3, 7 }) {
        const demo::MarketingRecord record = records.record(index);
        const QString staged = value(kStagedRecord.arg(record.ID));
        EXPECT_EQ(staged.section(u'|', 2), expectedRow(record).section(u'|', 2)) << index;
    }
    EXPECT_EQ(value(QStringLiteral("select cCusCode || '/' || cCusMngTypeCode from "
                                   "customer_import where iSourceId='100003'")),
              QStringLiteral("0000001/02"));
    int changed = 0;
    for (int row = 0; row < before.size(); ++row)
        changed += before[row] != after[row] ? 1 : 0;
    EXPECT_EQ(changed, 2) << "only the two modified records changed";
}

TEST_F(DownloadTest, ALastPageOfExactlyAFullPageAsksForTheNext)
{
    serve(marketing::kRowsPerPage);
    const int before = stagedRows();

    const DownloadOutcome outcome = download();

    EXPECT_EQ(m_server->pagesAsked(), (QList<int>{ 1, 2 }));
    EXPECT_EQ(outcome.messages, QStringList{ downloadDone(1, 2500, 2500, 0) });
    EXPECT_EQ(stagedRows(), before + 2500) << "the empty page after a full one ends the download";
}

TEST_F(DownloadTest, AnEmptyFirstPageShowsTheServicesMessageAndMergesNothing)
{
    serve(0);
    const QStringList before = stagingTable();

    const DownloadOutcome outcome = download();

    EXPECT_EQ(outcome.messages, QStringList{ QStringLiteral("没有符合条件的客户") });
    EXPECT_FALSE(outcome.merged);
    EXPECT_TRUE(outcome.refreshList);
    EXPECT_EQ(stagingTable(), before);
}

TEST_F(DownloadTest, EachErrorCodeGivesItsTextAndThenTheXmlLoadMessage)
{
    const QStringList texts{ QStringLiteral("机构ID、用户名或密码错误"),
                             QStringLiteral("用户已停用"),
                             QStringLiteral("账户已过期"),
                             QStringLiteral("余额不足"),
                             QStringLiteral("非法的短信内容"),
                             QStringLiteral("非法的手机号码"),
                             QStringLiteral("短信包含敏感关键字"),
                             QStringLiteral("批次号错误"),
                             QStringLiteral("其它错误"),
                             QStringLiteral("通道错误") };
    serve(10);
    const QStringList before = stagingTable();
    for (int code = 1; code <= 10; ++code) {
        demo::MarketingServerSettings settings;
        settings.records = 10;
        settings.failCode = QStringLiteral("-%1").arg(code);
        m_server->setSettings(settings);
        const DownloadOutcome outcome = download();
        EXPECT_EQ(outcome.messages,
                  (QStringList{ texts[code - 1], text("Tarn.AA.ARCHIVE.COMMON.xmlloaderror") }))
            << code;
        EXPECT_FALSE(outcome.merged);
        EXPECT_FALSE(outcome.refreshList);
    }
    EXPECT_EQ(stagingTable(), before);
}

TEST_F(DownloadTest, AnotherEnterprisesCodeIsRefusedByTheService)
{
    serve(10);
    MarketingDownload other(*g_oSrv, *g_oPub, MarketingOptions::read(*g_oSrv));
    EXPECT_EQ(other.run(QStringLiteral("KW-OTHER")).messages,
              (QStringList{ QStringLiteral("机构ID、用户名或密码错误"),
                            text("Tarn.AA.ARCHIVE.COMMON.xmlloaderror") }));
}

TEST_F(DownloadTest, ADroppedConnectionOnALaterPageLeavesTheStagingTableUnchanged)
{
    demo::MarketingServerSettings settings;
    settings.records = 6000;
    settings.dropConnection = true;
    settings.failFromPage = 2;
    serve(settings);
    const QStringList before = stagingTable();

    const DownloadOutcome outcome = download();

    ASSERT_EQ(outcome.messages.size(), 1);
    EXPECT_TRUE(outcome.messages[0].startsWith(
        QStringLiteral("The connection to the marketing service failed on page 2 (")))
        << qPrintable(outcome.messages[0]);
    EXPECT_TRUE(outcome.messages[0].endsWith(QStringLiteral("); the staging list is unchanged.")));
    EXPECT_FALSE(outcome.merged);
    EXPECT_EQ(m_server->pagesAsked(), (QList<int>{ 1, 2 }));
    EXPECT_EQ(stagingTable(), before);
}

TEST_F(DownloadTest, AServiceThatDoesNotAnswerInTimeLeavesTheStagingTableUnchanged)
{
    demo::MarketingServerSettings settings;
    settings.records = 6000;
    settings.delayMs = 5000;
    settings.failFromPage = 2;
    serve(settings);
    // Time enough for the first page even on a loaded machine, far less than the delay.
    setOption(QStringLiteral("iMarketingReceiveTimeout"), QStringLiteral("2000"));
    const QStringList before = stagingTable();

    const DownloadOutcome outcome = download();

    ASSERT_EQ(outcome.messages.size(), 1);
    EXPECT_EQ(
        outcome.messages[0],
        suite::ResourceTable::builtIn(QStringLiteral("en-us"))
            .format(QStringLiteral("Tarn.AA.ARCHIVE.IMPORT.downloadtimeout"),
                    { QStringLiteral("2"), QStringLiteral("no answer came within 2000 ms") }));
    EXPECT_EQ(stagingTable(), before);
}

TEST_F(DownloadTest, AnEmptyAnswerEndsTheDownloadWithNothingMerged)
{
    demo::MarketingServerSettings settings;
    settings.records = 3000;
    settings.emptyBody = true;
    settings.failFromPage = 2;
    serve(settings);
    const QStringList before = stagingTable();

    const DownloadOutcome outcome = download();

    EXPECT_EQ(outcome.messages, QStringList{ text("Tarn.AA.ARCHIVE.IMPORT.downloadempty").arg(2) });
    EXPECT_EQ(stagingTable(), before);
    const QStringList failures = traced().filter(QStringLiteral("Veska取数失败："));
    ASSERT_EQ(failures.size(), 1);
    EXPECT_TRUE(failures[0].contains(QStringLiteral("?pageNo=2&"))) << qPrintable(failures[0]);
}

TEST_F(DownloadTest, ACancelledDownloadMergesNothing)
{
    serve(6000);
    const QStringList before = stagingTable();
    CancelAfterPages progress(1);

    const DownloadOutcome outcome = download(&progress);

    EXPECT_TRUE(outcome.cancelled);
    EXPECT_FALSE(outcome.merged);
    EXPECT_EQ(outcome.messages, QStringList{ text("Tarn.AA.ARCHIVE.IMPORT.downloadcancelled") });
    EXPECT_EQ(progress.landed, QList<int>{ 1 });
    EXPECT_EQ(stagingTable(), before);
    // The next download starts afresh and lands everything.
    EXPECT_TRUE(download().merged);
    EXPECT_EQ(stagedRows(), before.size() + 6000);
}

TEST_F(DownloadTest, HostileValuesLandAsText)
{
    serve(3);
    demo::MarketingRecord hostile;
    hostile.Name = QStringLiteral("O'Brien'); drop table customer_import; --");
    hostile.ShortName = QStringLiteral("<b>R&amp;D</b> ]]>");
    hostile.Address = QStringLiteral("'||(select cUser_Id from kvsystem..ua_user)||'");
    hostile.Phone = QStringLiteral("\"; delete from Customer; \"");
    hostile.Beizhu = QStringLiteral("line one\r\nline two\ttab 'quoted' \\ backslash");
    hostile.Email = QStringLiteral("%27%3B--@x.cn");
    m_server->replace(0, hostile);
    demo::MarketingRecord huge;
    huge.Name = QString(5 * 1024 * 1024 / 3, u'客');
    m_server->replace(1, huge);
    const int customers = value(QStringLiteral("select count(*) from Customer")).toInt();

    const DownloadOutcome outcome = download();

    ASSERT_TRUE(outcome.merged) << qPrintable(outcome.messages.join(u'\n'));
    EXPECT_EQ(value(QStringLiteral("select cCusName || '|' || cCusAbbName || '|' || cCusAddress "
                                   "|| '|' || cCusPhone || '|' || cMemo || '|' || cCusEmail from "
                                   "customer_import where iSourceId='100001'")),
              QStringList({ hostile.Name, hostile.ShortName, hostile.Address, hostile.Phone,
                            hostile.Beizhu, hostile.Email })
                  .join(u'|'));
    // The name longer than its column lands cut to the column, and the page with it.
    EXPECT_EQ(value(QStringLiteral("select cCusName || '|' || cCusAbbName from customer_import "
                                   "where iSourceId='100002'")),
              huge.Name.left(98) + u'|' + huge.Name.left(60));
    EXPECT_EQ(outcome.messages,
              (QStringList{ suite::ResourceTable::builtIn(QStringLiteral("en-us"))
                                .format(QStringLiteral("Tarn.AA.ARCHIVE.IMPORT.downloadcut"),
                                        { QStringLiteral("1"),
                                          QStringLiteral("customer 100002 (cCusName)") }),
                            downloadDone(1, 3, 3, 0) }));
    EXPECT_EQ(value(QStringLiteral("select count(*) from Customer")).toInt(), customers);
}

TEST_F(DownloadTest, WithoutAServiceCodeNothingIsAsked)
{
    serve(10);
    m_company.run(DemoCompanyCopy<>::System, QStringLiteral("delete from ua_logininfo"));
    const QStringList before = stagingTable();

    const DownloadOutcome outcome = download();

    ASSERT_EQ(outcome.messages.size(), 1);
    EXPECT_TRUE(outcome.messages[0].startsWith(
        text("Tarn.AA.ARCHIVE.IMPORT.downloadnocode").arg(QString())));
    EXPECT_EQ(traced(), QStringList{ QStringLiteral("服务识别码获取失败。") });
    EXPECT_TRUE(m_server->pagesAsked().isEmpty());
    EXPECT_EQ(stagingTable(), before);
}

TEST_F(DownloadTest, WithoutAnAddressOfTheServiceNothingIsAsked)
{
    serve(10);
    setOption(QStringLiteral("cMarketingServiceUrl"), QString());
    EXPECT_EQ(download().messages, QStringList{ text("Tarn.AA.ARCHIVE.IMPORT.downloadnourl") });
    EXPECT_TRUE(m_server->pagesAsked().isEmpty());
}

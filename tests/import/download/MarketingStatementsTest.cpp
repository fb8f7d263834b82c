#include "DownloadFixture.h"

#include "import/MarketingStatements.h"
#include "import/UrlEncode.h"
#include "suite/core/XmlDocument.h"
#include "suite/data/IClsCommon.h"

using namespace customer;

namespace {

// The insert of the one record of an XML text.
QString insertOf(const QString &recordXml)
{
    suite::XmlDocument document;
    EXPECT_TRUE(document.loadXml(recordXml)) << qPrintable(recordXml);
    return marketing::recordInsert(document.documentElement()).statement;
}

} // namespace

TEST(UrlEncode, KeepsLettersAndDigitsAndCodesEveryOtherByte)
{
    EXPECT_EQ(URLEncode(QStringLiteral("2026-12-07 08:30:00")),
              QStringLiteral("2026%2D12%2D07+08%3A30%3A00"));
    EXPECT_EQ(URLEncode(QStringLiteral("KW2026abcXYZ")), QStringLiteral("KW2026abcXYZ"));
    EXPECT_EQ(URLEncode(QStringLiteral("a&b=c/d?e%f_g.h~")),
              QStringLiteral("a%26b%3Dc%2Fd%3Fe%25f%5Fg%2Eh%7E"));
    // GB18030: 中 is D6 D0, 客户 BF CD BB A7; a character outside GBK takes four bytes, some of
    // them digits.
    EXPECT_EQ(URLEncode(QStringLiteral("中 客户")), QStringLiteral("%D6%D0+%BF%CD%BB%A7"));
    EXPECT_EQ(URLEncode(QStringLiteral("😀")), QStringLiteral("%949%FC6"));
    EXPECT_EQ(URLEncode(QString()), QString());
}

TEST(MarketingStatements, PageAddressOfTheCustomerList)
{
    EXPECT_EQ(marketing::pageUrl(QStringLiteral("https://veska.example.cn/"), 3,
                                 QStringLiteral("KW20260001"), QStringLiteral("1900%2D01%2D01")),
              QStringLiteral("https://veska.example.cn/app/qy.php/Home/CkUpesnMg/"
                             "getCKCustomerList?pageNo=3&rowsPerPage=2500&entcode=KW20260001"
                             "&modifyTimeBegin=1900%2D01%2D01"));
    EXPECT_EQ(
        marketing::pageUrl(QStringLiteral("http://h:1"), 1, QStringLiteral("A&x=1"), QString()),
        QStringLiteral("http://h:1/app/qy.php/Home/CkUpesnMg/getCKCustomerList?pageNo=1&"
                       "rowsPerPage=2500&entcode=A%26x%3D1&modifyTimeBegin="));
}

TEST(MarketingStatements, TheTemporaryTableHasEveryStagingColumnInOrder)
{
    const QString sql = marketing::prepareImportTempTable();
    EXPECT_TRUE(sql.startsWith(QStringLiteral(
        "if OBJECT_ID(N'tempdb..#customer_import') is not null\r\n"
        "truncate table #customer_import\r\nElse\r\n"
        "CREATE TABLE #customer_import([cCusCode] [nvarchar](20) NULL,\r\n"
        "[cCusName] [nvarchar](98) NULL,\r\n[cCusAbbName] [nvarchar](60) NULL,\r\n")))
        << qPrintable(sql.left(400));
    EXPECT_TRUE(sql.endsWith(QStringLiteral(",\r\n[cErrorMsg] [nvarchar](500) NULL)")));
    for (const char *definition :
         { "[dCusDevDate] [datetime] NULL", "[iCusCreDate] [int] NULL",
           "[iCostGrade] [smallint] NULL", "[pubkvts] [timestamp] NULL",
           "[cCusContactCode] [uniqueidentifier] NULL", "[account_type] [numeric](22, 0) NULL",
           "[iSourceId] [varchar](20) NULL", "[bCusState] [bit] NULL",
           "[iOfferRate] [float] NULL" })
        EXPECT_TRUE(sql.contains(QLatin1StringView(definition))) << definition;
}

TEST(MarketingStatements, ARecordBecomesOneInsertOfQuotedTexts)
{
    EXPECT_EQ(insertOf(QStringLiteral(
                  "<list><ID>100001</ID><Name>苏州华信电子有限公司</Name>"
                  "<ShortName>华信电子</ShortName><Phone>0512-1234</Phone><Lat>31.3</Lat>"
                  "<Lng>120.6</Lng><Unknown>x</Unknown><ModifiedTime>2026-12-01 08:00:00"
                  "</ModifiedTime><TarnCode></TarnCode><Beizhu>O'Neil</Beizhu></list>")),
              QStringLiteral("insert into #customer_import (iSourceId,iSourceType,cLocationSite,"
                             "cCusName,cCusAbbName,cCusPhone,dModifyDate,cCusCode,cMemo)values("
                             "'100001',8,'31.3,120.6','苏州华信电子有限公司','华信电子',"
                             "'0512-1234','2026-12-01 08:00:00','','O''Neil')"));
}

// A time the service leaves empty lands as no time; an empty text stays an empty text.
TEST(MarketingStatements, AnEmptyTimeIsNull)
{
    EXPECT_EQ(insertOf(QStringLiteral("<list><ID>7</ID><CreatedTime></CreatedTime><Fax></Fax>"
                                      "<ModifiedTime/></list>")),
              QStringLiteral("insert into #customer_import (iSourceId,iSourceType,cLocationSite,"
                             "dCusCreateDatetime,cCusFax,dModifyDate)values('7',8,'',NULL,'',"
                             "NULL)"));
}

TEST(MarketingStatements, EveryMappedElementWhateverItsCase)
{
    EXPECT_EQ(
        insertOf(QStringLiteral(
            "<list><id>7</id><tarncode>0000001</tarncode><name>n</name><shortname>s"
            "</shortname><address>a</address><phone>p</phone><ownerid>o</ownerid>"
            "<createdbyid>c</createdbyid><createdtime>ct</createdtime><modifiedbyid>m"
            "</modifiedbyid><modifiedtime>mt</modifiedtime><bank>b</bank><bankaccount>ba"
            "</bankaccount><email>e</email><beizhu>r</beizhu><fax>f</fax></list>")),
        QStringLiteral("insert into #customer_import (iSourceId,iSourceType,cLocationSite,"
                       "cCusCode,cCusName,cCusAbbName,cCusAddress,cCusPhone,cCusPPerson,"
                       "cCreatePerson,dCusCreateDatetime,cModifyPerson,dModifyDate,"
                       "cCusBank,cCusAccount,cCusEmail,cMemo,cCusFax)values('7',8,'','0000001',"
                       "'n','s','a','p','o','c','ct','m','mt','b','ba','e','r','f')"));
}

TEST(MarketingStatements, AnEmptyShortNameTakesTheStartOfTheName)
{
    const QString name = QString(70, u'名');
    EXPECT_EQ(
        insertOf(QStringLiteral("<list><ShortName/><ID>1</ID><Name>%1</Name></list>").arg(name)),
        QStringLiteral("insert into #customer_import (iSourceId,iSourceType,cLocationSite,"
                       "cCusAbbName,cCusName)values('1',8,'','%1','%2')")
            .arg(name.left(60), name));
}

// The server refuses a text longer than its column; the record lands with the text cut.
TEST(MarketingStatements, ATextLongerThanItsColumnIsCutAndNamed)
{
    const auto insert = [](const QString &recordXml) {
        suite::XmlDocument document;
        EXPECT_TRUE(document.loadXml(recordXml)) << qPrintable(recordXml);
        return marketing::recordInsert(document.documentElement());
    };
    const QString name = QString(97, u'名') + QStringLiteral("😀") + u'x';
    const QString latitude = QString(130, u'3');
    const marketing::RecordInsert cut =
        insert(QStringLiteral("<list><ID>12345678901234567890</ID><Name>%1</Name><Phone>%2"
                              "</Phone><Lat>%3</Lat><Lng>1</Lng><Fax>%4</Fax></list>")
                   .arg(name, QString(100, u'1'), latitude, QString(101, u'2')));
    EXPECT_EQ(cut.id, QStringLiteral("12345678901234567890"));
    EXPECT_EQ(cut.cutColumns, (QStringList{ "cLocationSite", "cCusName", "cCusFax" }));
    EXPECT_EQ(
        cut.statement,
        QStringLiteral("insert into #customer_import (iSourceId,iSourceType,cLocationSite,"
                       "cCusName,cCusPhone,cCusFax)values('12345678901234567890',8,'%1',"
                       "'%2','%3','%4')")
            .arg(latitude.left(128), QString(97, u'名'), QString(100, u'1'), QString(100, u'2')))
        << "the character outside the basic plane is left out whole";

    const marketing::RecordInsert fits =
        insert(QStringLiteral("<list><ID>1</ID><Name>%1</Name></list>").arg(QString(98, u'名')));
    EXPECT_TRUE(fits.cutColumns.isEmpty());
    EXPECT_TRUE(fits.statement.contains(QString(98, u'名')));

    const marketing::RecordInsert longKey =
        insert(QStringLiteral("<list><ID>123456789012345678901</ID><Name>n</Name></list>"));
    EXPECT_EQ(marketing::sourceIdLength(), 20);
    EXPECT_EQ(longKey.id, QStringLiteral("123456789012345678901"));
    EXPECT_TRUE(longKey.statement.isEmpty()) << "a key cut could be another record's";
}

TEST(MarketingStatements, LocationNeedsALatitudeAndSecondElementsAreLeftOut)
{
    EXPECT_EQ(insertOf(QStringLiteral("<list><Lat/><Lng>120</Lng><ID>1</ID><ID>2</ID>"
                                      "<Name>a</Name><NAME>b</NAME></list>")),
              QStringLiteral("insert into #customer_import (iSourceId,iSourceType,cLocationSite,"
                             "cCusName)values('1',8,'','a')"));
    EXPECT_EQ(insertOf(QStringLiteral("<list/>")),
              QStringLiteral("insert into #customer_import (iSourceId,iSourceType,cLocationSite)"
                             "values('',8,'')"));
}

TEST(MarketingStatements, MergeStatementsAsTheyAreSent)
{
    EXPECT_EQ(marketing::lastModifyDateStatement(),
              QStringLiteral("select isnull(max(dModifyDate),'1900-01-01') from customer_import"));
    EXPECT_EQ(
        marketing::mergeNewRecords(),
        QStringLiteral(
            "insert into customer_import(iSourceId,iSourceType,cCusMngTypeCode,cCusCode,cCusName,"
            "cCusAbbName,cCusAddress,cCusPhone,\r\ncCusPPerson,cCreatePerson,dCusCreateDatetime,"
            "cModifyPerson,dModifyDate,cCusBank,cCusAccount,cCusEmail,cMemo,cCusFax,cLocationSite)"
            "\r\nselect "
            "tmp.iSourceId,tmp.iSourceType,tmp.cCusMngTypeCode,tmp.cCusCode,tmp.cCusName,"
            "tmp.cCusAbbName,tmp.cCusAddress,tmp.cCusPhone,\r\ntmp.cCusPPerson,tmp.cCreatePerson,"
            "tmp.dCusCreateDatetime,tmp.cModifyPerson,tmp.dModifyDate,tmp.cCusBank,"
            "tmp.cCusAccount,tmp.cCusEmail,\r\ntmp.cMemo,tmp.cCusFax,tmp.cLocationSite from  "
            "#customer_import tmp "
            "left join customer_import on tmp.iSourceId= customer_import.iSourceId and "
            "tmp.iSourceType= customer_import.iSourceType\r\nWhere customer_import.iSourceId Is "
            "Null And customer_import.iSourceType Is Null"));
    EXPECT_EQ(
        marketing::mergeKnownRecords(),
        QStringLiteral(
            "update customer_import\r\nset cCusMngTypeCode=isnull(tmp.cCusMngTypeCode,"
            "customer_import.cCusMngTypeCode),cCusCode=isnull(nullif(tmp.cCusCode,''),"
            "customer_import.cCusCode),\r\ncCusName=tmp.cCusName,cCusAbbName=tmp.cCusAbbName,\r\n"
            "cCusAddress=tmp.cCusAddress,cCusPhone=tmp.cCusPhone ,\r\ncCusPPerson=tmp.cCusPPerson,"
            "cCreatePerson=tmp.cCreatePerson ,\r\ndCusCreateDatetime=tmp.dCusCreateDatetime,"
            "cModifyPerson=tmp.cModifyPerson ,\r\ndModifyDate=tmp.dModifyDate,cCusBank=tmp.cCusBank"
            " ,\r\ncCusAccount=tmp.cCusAccount,cCusEmail=tmp.cCusEmail,\r\ncMemo=tmp.cMemo,"
            "cCusFax=tmp.cCusFax,cLocationSite=tmp.cLocationSite\r\nfrom #customer_import tmp "
            "inner join  customer_import on "
            "tmp.iSourceId=customer_import.iSourceId and "
            "tmp.iSourceType=customer_import.iSourceType"));
}

// The statements on the company database, through the data service of the session.
TEST_F(DownloadTest, TheTemporaryTableIsMadeOnceAndEmptiedAfter)
{
    suite::IClsCommon &service = *g_oSrv;
    const int staged = stagedRows();
    ASSERT_TRUE(service.ExecuteX(marketing::prepareImportTempTable()))
        << qPrintable(service.LastError());
    const suite::RecordSet temporary =
        service.OpenX(QStringLiteral("select top 0 * from #customer_import"));
    const suite::RecordSet staging =
        service.OpenX(QStringLiteral("select top 0 * from customer_import"));
    ASSERT_TRUE(temporary.IsOpen() && staging.IsOpen()) << qPrintable(service.LastError());
    QStringList temporaryColumns;
    QStringList stagingColumns;
    for (const suite::Field &field : temporary.Fields())
        temporaryColumns.append(field.name);
    for (const suite::Field &field : staging.Fields())
        stagingColumns.append(field.name);
    stagingColumns.removeOne(QStringLiteral("AutoID"));
    EXPECT_EQ(temporaryColumns, stagingColumns);

    suite::XmlDocument record;
    ASSERT_TRUE(record.loadXml(QStringLiteral("<list><ID>1</ID><Name>a</Name></list>")));
    ASSERT_TRUE(service.ExecuteX(marketing::recordInsert(record.documentElement()).statement))
        << qPrintable(service.LastError());
    ASSERT_TRUE(service.ExecuteX(marketing::prepareImportTempTable()))
        << qPrintable(service.LastError());
    const suite::RecordSet left =
        service.OpenX(QStringLiteral("select count(*) from #customer_import"));
    EXPECT_EQ(left.valueAt(0, 0).toInt(), 0);
    // The staging table of the same name is another table.
    EXPECT_EQ(stagedRows(), staged);
}

TEST_F(DownloadTest, TheNewestModificationAsTheServiceTakesIt)
{
    SKIP_ON_SERVER_BACKEND("its date column refuses the text that is no time this test writes; "
                           "only a company file can hold one");
    using customer::MarketingDownload;
    MarketingDownload download(*g_oSrv, *g_oPub, {});
    run(QStringLiteral("update customer_import set dModifyDate=NULL"));
    EXPECT_EQ(download.lastImportModifyDate(), QStringLiteral("1900-01-01 00:00:00"));
    run(QStringLiteral("update customer_import set dModifyDate='2026-12-07 08:30:00' where "
                       "AutoID=(select min(AutoID) from customer_import)"));
    EXPECT_EQ(download.lastImportModifyDate(), QStringLiteral("2026-12-07 08:30:00"));
    run(QStringLiteral("update customer_import set dModifyDate='not a time' where "
                       "AutoID=(select max(AutoID) from customer_import)"));
    EXPECT_EQ(download.lastImportModifyDate(), QStringLiteral("1900-01-01 00:00:00"))
        << "a text that is no time asks for everything again";
}

#include "ImportFiles.h"
#include "ImportSession.h"
#include "QtPrinters.h"
#include "import/StagingReferences.h"

using customer::StagingFileImport;
using customer::StagingImportReport;

namespace {

const QString kColumns =
    QStringLiteral("iSourceId,cCusName,cCCCode,cCusDepart,cCusPPerson,cCusExch_name,dCusDevDate,"
                   "iCusCreLine,bCredit,cMemo,cErrorMsg");

// Chinese and English captions and a column name in one header, as files from several
// programs have them.
const QString kHeader = QStringLiteral(
    "客户名称,Class Code,分管部门,Salesperson,币种,发展日期,Credit Line,bCredit,备注");

QString counts(const StagingImportReport &report)
{
    return QStringLiteral("read %1 new %2 updated %3 errors %4 %5%6")
        .arg(report.rowsRead)
        .arg(report.landed)
        .arg(report.updated)
        .arg(report.withErrors)
        .arg(report.cancelled ? QStringLiteral("cancelled ") : QString(), report.failure);
}

QString sid(const QString &file, int row)
{
    return StagingFileImport::sourceIdOf(file, row);
}

} // namespace

class StagingFileImportTest : public ImportSession
{ };

TEST_F(StagingFileImportTest, CsvInBothEncodingsAndXlsxLandTheSameRows)
{
    const QString rows = kHeader
        + QStringLiteral("\r\n北京华信科技有限公司,0101,0201,001,人民币,2026-12-07,\"1,250.5\",是,"
                         "\"第一行\n第二行，\"\"引号\"\"\"\r\n"
                         "Acme Ltd.,0102,,,美元,2026/01/02 08:30,0,N,\r\n");
    ASSERT_TRUE(writeCsv(path("utf8.csv"), rows, "UTF-8", true));
    ASSERT_TRUE(writeCsv(path("gb.csv"), rows, "GB18030"));
    QVariantList header;
    for (const QString &caption : kHeader.split(u','))
        header.append(caption);
    ASSERT_TRUE(writeXlsx(
        path("sheet.xlsx"),
        { header,
          { "北京华信科技有限公司", "0101", "0201", "001", "人民币",
            QDateTime(QDate(2026, 12, 7), QTime(0, 0)), 1250.5, "是", "第一行\n第二行，\"引号\"" },
          { "Acme Ltd.", "0102", QVariant(), QVariant(), "美元",
            QDateTime(QDate(2026, 1, 2), QTime(8, 30)), 0, "N" } }));
    for (const QString file : { "utf8.csv", "gb.csv", "sheet.xlsx" }) {
        const StagingImportReport report = importFile(file);
        EXPECT_EQ(counts(report), "read 2 new 2 updated 0 errors 0 ") << qPrintable(file);
        EXPECT_EQ(report.unknownColumns, QStringList());
        EXPECT_EQ(staged(file, kColumns),
                  (QStringList{ sid(file, 2)
                                    + "|北京华信科技有限公司|0101|0201|001|人民币|"
                                      "2026-12-07 00:00:00|1250.5|1|第一行\n第二行，\"引号\"|-",
                                sid(file, 3)
                                    + "|Acme Ltd.|0102|-|-|美元|2026-01-02 08:30:00|0.0|0|-|-" }))
            << qPrintable(file);
    }
    EXPECT_EQ(value("select count(*) from customer_import where iSourceType=1"), "6");
}

TEST_F(StagingFileImportTest, ARowWithProblemsLandsWithThemAndItsBadValuesLeftEmpty)
{
    ASSERT_TRUE(writeCsv(path("bad.csv"),
                         kHeader
                             + "\n华信,0101,0201,001,人民币,2026-13-01,many,maybe,x\n"
                               "远航,01,9999,999,Pesos,2026-12-07,5,1,\n"));
    const StagingImportReport report = importFile("bad.csv");
    EXPECT_EQ(counts(report), "read 2 new 2 updated 0 errors 2 ");
    EXPECT_EQ(staged("bad.csv", kColumns),
              (QStringList{
                  sid("bad.csv", 2)
                      + "|华信|0101|0201|001|人民币|-|-|-|x|Development Date: \"2026-13-01\" is "
                        "not a date; Credit Line: \"many\" is not a number; Credit Line Control: "
                        "\"maybe\" is not yes or no (1/0, Y/N, true/false)",
                  sid("bad.csv", 3)
                      + "|远航|-|-|-|-|2026-12-07 00:00:00|5.0|1|-|Class Code: \"01\" does not "
                        "exist or is not yours to use; Department: \"9999\" does not exist or is "
                        "not yours to use; Salesperson: \"999\" does not exist or is not yours to "
                        "use; Currency: \"Pesos\" does not exist or is not yours to use" }))
        << "01 is a class with sub-classes: a customer belongs to an end class";
}

TEST_F(StagingFileImportTest, HostileValuesLandAsTextOrAsRowErrorsAndBreakNothing)
{
    const QString customersBefore = value("select count(*) from Customer");
    const QString longName(10000, u'名');
    const QString hostile = QStringLiteral("x'); delete from Customer; --");
    ASSERT_TRUE(writeCsv(path("hostile.csv"),
                         QStringLiteral("客户名称,备注,Class Code\n") + "\"" + hostile
                             + "\",<b>R&D</b> ]]> &amp;,0101\n" + longName
                             + ",\"\x01\x1b[31m red\",0' or '1'='1\n"));
    const StagingImportReport report = importFile("hostile.csv");
    EXPECT_EQ(counts(report), "read 2 new 2 updated 0 errors 1 ");
    EXPECT_EQ(staged("hostile.csv", "cCusName,cMemo,cCCCode,cErrorMsg"),
              (QStringList{ hostile + "|<b>R&D</b> ]]> &amp;|0101|-",
                            QStringLiteral("-|\x01\x1b[31m red|-|Customer Name: longer than 98 "
                                           "characters; Class Code: \"0' or '1'='1\" does not "
                                           "exist or is not yours to use") }));
    EXPECT_EQ(value("select count(*) from Customer"), customersBefore);
    EXPECT_EQ(customer::StagingReferences::statementOf("cCCCode"),
              "declare @code nvarchar(100)\r\n"
              "select top 1 1 from CustomerClass where bCCEnd=1 and cCCCode=@code");
}

TEST_F(StagingFileImportTest, ImportingTheSameFileAgainUpdatesItsRowsAndOtherFilesKeepTheirs)
{
    ASSERT_TRUE(
        writeCsv(path("a.csv"), kHeader + "\n华信,0101,,,,2026-13-01,,,first\n远航,,,,,,,,\n"));
    ASSERT_TRUE(writeCsv(path("b.csv"), kHeader + "\n别的公司,,,,,,,,\n"));
    EXPECT_EQ(counts(importFile("a.csv")), "read 2 new 2 updated 0 errors 1 ");
    EXPECT_EQ(counts(importFile("b.csv")), "read 1 new 1 updated 0 errors 0 ");
    const QString ids =
        QStringLiteral("select AutoID from customer_import where iSourceType=1 order by AutoID");
    const QStringList firstIds = m_company.column(DemoCompanyCopy<>::Company, ids);

    ASSERT_TRUE(
        writeCsv(path("a.csv"), kHeader + "\n华信科技,0102,,,,2026-12-01,,,\n远航,,,,,,,,\n"));
    EXPECT_EQ(counts(importFile("a.csv")), "read 2 new 0 updated 2 errors 0 ");
    EXPECT_EQ(m_company.column(DemoCompanyCopy<>::Company, ids), firstIds);
    EXPECT_EQ(staged("a.csv", "cCusName,cCCCode,dCusDevDate,cMemo,cErrorMsg"),
              (QStringList{ "华信科技|0102|2026-12-01 00:00:00|-|-", "远航|-|-|-|-" }))
        << "the error is gone with its cause and an emptied cell is emptied";
    EXPECT_EQ(staged("b.csv", "cCusName"), QStringList{ "别的公司" });
}

TEST_F(StagingFileImportTest, UnknownColumnsAreReportedAndAFileWithoutKnownOnesLandsNothing)
{
    ASSERT_TRUE(
        writeCsv(path("some.csv"), "客户名称,Fax number,客户分类,,cErrorMsg\n华信,1,2,3,4\n"));
    const StagingImportReport some = importFile("some.csv");
    EXPECT_EQ(counts(some), "read 1 new 1 updated 0 errors 0 ");
    EXPECT_EQ(some.unknownColumns, (QStringList{ "Fax number", "客户分类", "(D)", "cErrorMsg" }))
        << "a class name is no class code; the error column is the import's own";
    EXPECT_EQ(some.summary(StagingFileImport(*customer::g_oSrv, *customer::g_oPub).texts()),
              "Import of some.csv: 1 rows new, 0 rows updated, 0 of them with errors.\n"
              "Columns not imported (the import list has no such column): Fax number, 客户分类, "
              "(D), cErrorMsg");

    ASSERT_TRUE(writeCsv(path("none.csv"), "Telefax,Handy\n1,2\n"));
    EXPECT_EQ(counts(importFile("none.csv")),
              "read 0 new 0 updated 0 errors 0 No header of the file " + path("none.csv")
                  + " names a column of the import list; no row was imported.");
    EXPECT_EQ(value("select count(*) from customer_import where iSourceType=1"), "1");
}

TEST_F(StagingFileImportTest, AMappingFileNamesTheColumns)
{
    ASSERT_TRUE(writeCsv(path("map.csv"), "Firma,cCusName\nKlasse,cCCCode\n"));
    ASSERT_TRUE(writeCsv(path("de.csv"), "Firma,Klasse,客户名称\nMüller GmbH,0101,ignored\n"));
    StagingFileImport run(*customer::g_oSrv, *customer::g_oPub);
    QString sMsg;
    ASSERT_TRUE(run.setMappingFile(path("map.csv"), sMsg)) << qPrintable(sMsg);
    const StagingImportReport report = run.run(path("de.csv"));
    EXPECT_EQ(counts(report), "read 1 new 1 updated 0 errors 0 ");
    EXPECT_EQ(report.unknownColumns, QStringList{ "客户名称" });
    EXPECT_EQ(staged("de.csv", "cCusName,cCCCode"), QStringList{ "Müller GmbH|0101" });

    ASSERT_TRUE(writeCsv(path("wrong.csv"), "Firma,AutoID\n"));
    ASSERT_TRUE(run.setMappingFile(path("wrong.csv"), sMsg));
    EXPECT_EQ(run.run(path("de.csv")).failure,
              "The mapping file names a column the import list does not have: AutoID");
    ASSERT_TRUE(writeCsv(path("odd.csv"), "Firma\n"));
    EXPECT_FALSE(run.setMappingFile(path("odd.csv"), sMsg));
    EXPECT_EQ(sMsg, "Row 1 of the mapping file is not a pair \"header,column\".");
}

TEST_F(StagingFileImportTest, ACancelKeepsTheCommittedBatchesAndDropsTheOpenOne)
{
    QString text = QStringLiteral("客户名称\n");
    for (int row = 0; row < 3 * StagingFileImport::kBatchRows; ++row)
        text += QStringLiteral("客户%1\n").arg(row);
    ASSERT_TRUE(writeCsv(path("many.csv"), text));
    StagingFileImport run(*customer::g_oSrv, *customer::g_oPub);
    qint64 seen = 0;
    run.setProgress([&seen](qint64 rows, qint64, qint64) { seen = rows; });
    run.setCancelled([&seen] { return seen >= StagingFileImport::kBatchRows + 500; });
    const StagingImportReport report = run.run(path("many.csv"));
    EXPECT_EQ(counts(report), "read 2500 new 2000 updated 0 errors 0 cancelled ");
    EXPECT_EQ(value("select count(*) from customer_import where iSourceType=1"), "2000");
    EXPECT_EQ(value("select max(cCusName) from customer_import where iSourceType=1"), "客户999");
    EXPECT_EQ(report.outcome(run.texts()),
              "Import cancelled: the 2000 rows saved before stay, the unfinished batch was not "
              "saved; importing the file again updates those rows.");
}

TEST_F(StagingFileImportTest, FilesThatCannotBeReadSayWhy)
{
    ASSERT_TRUE(writeBytes(path("broken.xlsx"), "PK\x03\x04 not really"));
    ASSERT_TRUE(writeCsv(path("list.txt"), "客户名称\n华信\n"));
    ASSERT_TRUE(writeCsv(path("empty.csv"), "\n\n"));
    EXPECT_EQ(importFile("missing.csv").failure,
              "The file " + path("missing.csv") + " cannot be opened: No such file or directory");
    EXPECT_EQ(importFile("broken.xlsx").failure,
              "The file " + path("broken.xlsx") + " cannot be opened: Not a zip archive");
    EXPECT_EQ(importFile("list.txt").failure,
              "Only CSV and XLSX files can be imported: " + path("list.txt"));
    EXPECT_EQ(importFile("empty.csv").failure,
              "The file " + path("empty.csv") + " has no header row.");
    EXPECT_EQ(value("select count(*) from customer_import where iSourceType=1"), "0");
}

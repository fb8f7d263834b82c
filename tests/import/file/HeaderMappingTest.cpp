#include "import/HeaderMapping.h"
#include "QtPrinters.h"
#include "import/StagingColumns.h"
#include "import/StagingRowCheck.h"
#include "import/StagingStatements.h"
#include "suite/data/Field.h"

#include <QTemporaryDir>

#include "ImportFiles.h"

#include <gtest/gtest.h>

using namespace customer;

namespace {

StagingColumns someColumns()
{
    return StagingColumns(
        { { "cCusName", suite::adVarWChar, 98, "客户名称", { "客户名称", "Customer Name" } },
          { "cCusAbbName", suite::adVarWChar, 10, "客户简称", { "客户简称", "Abbreviation" } },
          { "dCusDevDate",
            suite::adDBTimeStamp,
            16,
            "发展日期",
            { "发展日期", "Development Date" } },
          { "iCusCreDate", suite::adInteger, 4, "信用期限", { "信用期限", "Credit Days" } },
          { "iCostGrade", suite::adSmallInt, 2, "价格级别", { "价格级别" } },
          { "iCusCreLine", suite::adDouble, 8, "信用额度", { "信用额度", "Credit Line" } },
          { "bCredit", suite::adBoolean, 2, "控制信用额度", { "控制信用额度" } },
          { "cCCCode", suite::adVarWChar, 12, "所属分类码", { "所属分类码", "Class Code" } },
          { "cCusContactCode", suite::adGUID, 16, "联系人", { "联系人" } },
          // Two columns a caption names both: the caption names neither.
          { "cCusPhone", suite::adVarWChar, 100, "电话", { "电话", "Phone" } },
          { "cBranchPhone", suite::adVarWChar, 100, "分支电话", { "分支电话", "Phone" } } },
        60);
}

QString texts(const char *key, const QStringList &args)
{
    return QString::fromLatin1(key).section(u'.', -1) + u'(' + args.join(u',') + u')';
}

QList<int> cellColumns(const HeaderMapping &mapping)
{
    return mapping.columnOfCell();
}

} // namespace

TEST(HeaderMapping, CaptionsInEitherLanguageAndNamesMapUnknownAndAmbiguousAreReported)
{
    const StagingColumns columns = someColumns();
    const HeaderMapping mapping =
        HeaderMapping::automatic({ " 客户名称 ", "abbreviation", "CCCCODE", "Credit  Days", "Phone",
                                   "Fax", "", "客户名称", "信用额度" },
                                 columns);
    EXPECT_EQ(cellColumns(mapping), (QList<int>{ 0, 1, 7, 3, -1, -1, -1, -1, 5 }));
    EXPECT_EQ(mapping.unknown(), (QStringList{ "Phone", "Fax", "(G)", "客户名称" }))
        << "ambiguous, unknown, empty and a second header of one column";
    EXPECT_TRUE(mapping.mapsAny());
    EXPECT_FALSE(HeaderMapping::automatic({ "Fax", "Mobile" }, columns).mapsAny());
}

TEST(HeaderMapping, AnExplicitMappingReplacesTheCaptionsAndNamesOnlyRealColumns)
{
    const StagingColumns columns = someColumns();
    HeaderMapping mapping;
    QString sMsg;
    ASSERT_TRUE(HeaderMapping::explicitly({ "Firma", "客户名称", "Telefon" },
                                          { { "firma", "ccusname" }, { "Telefon", "cCusPhone" } },
                                          columns, mapping, sMsg));
    EXPECT_EQ(cellColumns(mapping), (QList<int>{ 0, -1, 9 }));
    EXPECT_EQ(mapping.unknown(), QStringList{ "客户名称" });
    EXPECT_FALSE(
        HeaderMapping::explicitly({ "x" }, { { "x", "cErrorMsg" } }, columns, mapping, sMsg));
    EXPECT_EQ(sMsg, "cErrorMsg");

    QTemporaryDir dir;
    ASSERT_TRUE(
        writeCsv(dir.filePath("map.csv"), "Firma,cCusName\n\"Tel, mobil\",cCusPhone\n", "GB18030"));
    QList<HeaderMapping::Pair> pairs;
    qint64 badRow = 0;
    ASSERT_TRUE(HeaderMapping::readFile(dir.filePath("map.csv"), pairs, badRow, sMsg));
    EXPECT_EQ(
        pairs,
        (QList<HeaderMapping::Pair>{ { "Firma", "cCusName" }, { "Tel, mobil", "cCusPhone" } }));
    ASSERT_TRUE(writeCsv(dir.filePath("bad.csv"), "Firma,cCusName\n\nTelefon\n"));
    EXPECT_FALSE(HeaderMapping::readFile(dir.filePath("bad.csv"), pairs, badRow, sMsg));
    EXPECT_EQ(badRow, 3);
    EXPECT_EQ(columnLetters(0), "A");
    EXPECT_EQ(columnLetters(27), "AB");
}

TEST(StagingRowCheck, EveryProblemIsNamedAndItsValueLeftEmptyNeverCut)
{
    const StagingColumns columns = someColumns();
    const HeaderMapping mapping =
        HeaderMapping::automatic({ "客户名称", "客户简称", "发展日期", "信用期限", "价格级别",
                                   "信用额度", "控制信用额度", "所属分类码", "联系人" },
                                 columns);
    QStringList looked;
    const StagingRowCheck check(
        columns, mapping,
        [&looked](const QString &column, const QString &code) {
            looked.append(column + u'=' + code);
            return code == u"0101";
        },
        &texts);
    EXPECT_EQ(check.columns(), (QList<int>{ 0, 1, 2, 3, 4, 5, 6, 7, 8 }));

    const CheckedRow good =
        check.check({ 2,
                      { " 华信 ", "华信", "2026/12/07", "30", "-1", "1,250.5", "是", "0101",
                        "{6f9619ff-8b86-d011-b42d-00c04fc964ff}" } });
    EXPECT_EQ(good.problems, QStringList());
    EXPECT_EQ(good.values,
              (QVariantList{ "华信", "华信", QDateTime(QDate(2026, 12, 7), QTime(0, 0)), qint64(30),
                             qint64(-1), 1250.5, true, "0101",
                             QUuid("6f9619ff-8b86-d011-b42d-00c04fc964ff") }));

    const CheckedRow bad =
        check.check({ 3,
                      { "x", "an abbreviation too long", "2026-02-30", "1.5", "40000", "lots",
                        "maybe", "9999", "not-a-guid", "", "extra" } });
    EXPECT_EQ(
        bad.problems,
        (QStringList{ "extracells(11,9)", "toolong(客户简称,10)", "notdate(发展日期,2026-02-30)",
                      "notwhole(信用期限,1.5)", "notwhole(价格级别,40000)",
                      "notnumber(信用额度,lots)", "notflag(控制信用额度,maybe)",
                      "notfound(所属分类码,9999)", "notguid(联系人,not-a-guid)" }));
    EXPECT_EQ(bad.values, (QVariantList{ "x", {}, {}, {}, {}, {}, {}, {}, {} }));
    EXPECT_EQ(looked, (QStringList{ "cCCCode=0101", "cCCCode=9999" }))
        << "only codes are looked up";

    const CheckedRow empty = check.check({ 4, { "", "", "", "", "", "", "", "", "", "", "" } });
    EXPECT_EQ(empty.problems, QStringList()) << "empty cells past the header are no values";
    EXPECT_EQ(empty.values, QVariantList(9));

    const QString message = check.errorMessage(bad.problems);
    EXPECT_EQ(message.size(), 60) << "cut to the length of cErrorMsg";
    EXPECT_TRUE(message.startsWith("extracells(11,9); toolong(客户简称,10); "));
    EXPECT_TRUE(message.endsWith(u'…'));
}

TEST(StagingStatements, OneTextPerFileWithEveryValueAVariable)
{
    const StagingColumns columns = someColumns();
    EXPECT_EQ(staging::findStatement(),
              "declare @sid varchar(20)\r\n"
              "select AutoID from customer_import where iSourceType=1 and iSourceId=@sid");
    EXPECT_EQ(
        staging::fileStatement(),
        "declare @tag varchar(20)\r\n"
        "select top 1 AutoID from customer_import where iSourceType=1 and iSourceId like @tag");
    EXPECT_EQ(staging::updateStatement(columns, { 0, 2, 6 }),
              "declare @id int\r\ndeclare @err nvarchar(60)\r\ndeclare @v0 nvarchar(98)\r\n"
              "declare @v1 datetime\r\ndeclare @v2 bit\r\n"
              "update customer_import set cCusName=@v0,dCusDevDate=@v1,bCredit=@v2,"
              "cErrorMsg=@err where AutoID=@id");
    EXPECT_EQ(staging::insertStatement(columns, { 5, 8 }),
              "declare @sid varchar(20)\r\ndeclare @err nvarchar(60)\r\ndeclare @v0 float\r\n"
              "declare @v1 uniqueidentifier\r\n"
              "insert into customer_import (iSourceType,iSourceId,iCusCreLine,cCusContactCode,"
              "cErrorMsg) values (1,@sid,@v0,@v1,@err)");
}

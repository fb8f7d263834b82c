#include "ImportFiles.h"
#include "QtPrinters.h"
#include "import/CellValues.h"
#include "import/CsvEncoding.h"
#include "import/CsvReader.h"
#include "import/ExcelDate.h"
#include "import/XlsxReader.h"

#include <QBuffer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace customer;

namespace {

// Every row a reader gives, as "number:cell|cell|...".
QStringList rowsOf(TableSource &source)
{
    QStringList rows;
    SourceRow row;
    while (source.next(row))
        rows.append(QString::number(row.number) + u':' + row.cells.join(u'|'));
    if (!source.error().isEmpty())
        rows.append(QStringLiteral("error: ") + source.error());
    return rows;
}

QStringList csvRows(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    CsvReader reader(buffer, detectCsvEncoding(buffer));
    return rowsOf(reader);
}

} // namespace

TEST(CsvReader, QuotedFieldsKeepCommasLineBreaksAndDoubledQuotes)
{
    EXPECT_EQ(csvRows("name,memo\r\n"
                      "\"Acme, Ltd.\",\"line one\r\nline two\"\r\n"
                      "\"say \"\"hi\"\"\",\"\"\n"
                      "plain \"inner\" quote,last"),
              (QStringList{ "1:name|memo", "2:Acme, Ltd.|line one\r\nline two", "3:say \"hi\"|",
                            "4:plain \"inner\" quote|last" }));
}

TEST(CsvReader, BlankLinesCountButAreSkippedAndLineEndsMayBeAnyKind)
{
    EXPECT_EQ(csvRows("a,b\r\rx,y\n\n,\nz,\r\n"), (QStringList{ "1:a|b", "3:x|y", "6:z|" }))
        << "row 5 has two empty cells and is no row";
}

TEST(CsvReader, AnOpenQuoteRunsToTheEndAndAFieldIsBounded)
{
    EXPECT_EQ(csvRows("a\n\"never closed,\nstill"),
              (QStringList{ "1:a", "2:never closed,\nstill" }));
    const QStringList rows =
        csvRows("a\n" + QByteArray(CsvReader::kMaxFieldChars + 500, 'x') + ",b\n");
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows[1].size(), 2 + CsvReader::kMaxFieldChars + 2) << "2:, the bounded field, |b";
}

TEST(CsvReader, ProgressCountsTheBytesParsedNotTheBytesReadAhead)
{
    QByteArray bytes;
    for (int row = 0; row < 10000; ++row)
        bytes += QByteArray::number(100000 + row) + ",some text\n";
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    CsvReader reader(buffer, "UTF-8");
    SourceRow row;
    ASSERT_TRUE(reader.next(row));
    EXPECT_EQ(reader.bytesDone(), 17) << "one line of the first chunk";
    for (int read = 1; read < 5000; ++read)
        ASSERT_TRUE(reader.next(row));
    EXPECT_EQ(reader.bytesDone(), 5000 * 17);
    while (reader.next(row)) { }
    EXPECT_EQ(reader.bytesDone(), reader.bytesTotal());
    EXPECT_EQ(reader.bytesTotal(), 10000 * 17);
}

TEST(CsvEncoding, ValidUtf8IsUtf8WithOrWithoutMarkAndAnythingElseGb18030)
{
    const QString text = QStringLiteral("客户名称\n北京华信科技有限公司\n");
    QStringEncoder gb("GB18030");
    ASSERT_TRUE(gb.isValid());
    const QByteArray gbBytes = gb.encode(text);
    for (const auto &[bytes, expected] :
         { std::pair{ text.toUtf8(), "UTF-8" },
           std::pair{ "\xEF\xBB\xBF" + text.toUtf8(), "UTF-8" }, std::pair{ gbBytes, "GB18030" },
           std::pair{ QByteArray("plain ascii"), "UTF-8" } }) {
        QBuffer buffer;
        buffer.setData(bytes);
        buffer.open(QIODevice::ReadOnly);
        EXPECT_STREQ(detectCsvEncoding(buffer), expected);
        EXPECT_EQ(buffer.pos(), 0) << "the reader starts where detection started";
    }
    const QStringList expected{ "1:客户名称", "2:北京华信科技有限公司" };
    EXPECT_EQ(csvRows(gbBytes), expected);
    EXPECT_EQ(csvRows("\xEF\xBB\xBF" + text.toUtf8()), expected) << "the mark is no character";
}

TEST(XlsxReader, SharedAndInlineStringsNumbersDatesAndSkippedCellsReadAlike)
{
    QTemporaryDir dir;
    const QList<QVariantList> sheet{
        { QStringLiteral("客户名称"), QStringLiteral("信用额度"), QStringLiteral("发展日期"),
          QStringLiteral("备注") },
        { QStringLiteral("华信 & <Co>"), 1250.5, QDateTime(QDate(2026, 12, 7), QTime(8, 30)),
          QStringLiteral("x") },
        { QStringLiteral("远航"), QVariant(), QDateTime(QDate(2026, 1, 2), QTime(0, 0)) },
        {},
        { QVariant(), QVariant(), QVariant(), QStringLiteral("only D") },
    };
    for (const bool constantMemory : { false, true }) {
        const QString path = dir.filePath(constantMemory ? "inline.xlsx" : "shared.xlsx");
        ASSERT_TRUE(writeXlsx(path, sheet, constantMemory));
        XlsxReader reader;
        QString sMsg;
        ASSERT_TRUE(reader.open(path, sMsg)) << qPrintable(sMsg);
        EXPECT_EQ(rowsOf(reader),
                  (QStringList{ "1:客户名称|信用额度|发展日期|备注",
                                "2:华信 & <Co>|1250.5|2026-12-07 08:30:00|x", "3:远航||2026-01-02",
                                "5:|||only D" }))
            << (constantMemory ? "inline strings" : "shared strings");
        EXPECT_GT(reader.bytesDone(), reader.bytesTotal() / 2) << "what the parser has taken";
        EXPECT_LE(reader.bytesDone(), reader.bytesTotal());
    }
}

TEST(XlsxReader, WhatIsNoWorkbookIsRefusedWithItsReason)
{
    QTemporaryDir dir;
    const QString text = dir.filePath("text.xlsx");
    ASSERT_TRUE(writeBytes(text, "name,phone\n"));
    XlsxReader reader;
    QString sMsg;
    EXPECT_FALSE(reader.open(text, sMsg));
    EXPECT_EQ(sMsg, QStringLiteral("Not a zip archive"));
    XlsxReader missing;
    EXPECT_FALSE(missing.open(dir.filePath("none.xlsx"), sMsg));
    EXPECT_EQ(sMsg, QStringLiteral("No such file"));
}

TEST(CellValues, DatesInTheCommonFormsAndNothingAmbiguous)
{
    const QDateTime day(QDate(2026, 12, 7), QTime(0, 0));
    const QDateTime morning(QDate(2026, 12, 7), QTime(8, 30));
    for (const char *text :
         { "2026-12-07", "2026/12/07", "2026.12.7", "2026年12月7日", "20261207", "46363" })
        EXPECT_EQ(cellDate(QString::fromUtf8(text)), day) << text;
    for (const char *text : { "2026-12-07 08:30:00", "2026/12/07 8:30", "2026-12-07T08:30:00.000",
                              "46363.3541666667" })
        EXPECT_EQ(cellDate(QString::fromUtf8(text)), morning) << text;
    for (const char *text : { "07/12/2026", "2026-02-30", "2026-12-07 25:00", "2026-12-07x",
                              "tomorrow", "2026/12-07", "-5", "99999999" })
        EXPECT_FALSE(cellDate(QString::fromUtf8(text)).has_value()) << text;
}

TEST(CellValues, NumbersWholeNumbersAndFlags)
{
    EXPECT_EQ(cellNumber("1,234.5"), 1234.5);
    EXPECT_EQ(cellNumber("-0.25"), -0.25);
    EXPECT_EQ(cellNumber("1e3"), 1000.0);
    for (const char *text : { "1,23", "12abc", "inf", "nan", "", "1.2.3" })
        EXPECT_FALSE(cellNumber(text).has_value()) << text;
    EXPECT_EQ(cellWholeNumber("1,200"), 1200);
    EXPECT_EQ(cellWholeNumber("30.0"), 30);
    EXPECT_FALSE(cellWholeNumber("30.5").has_value());
    for (const char *text : { "1", "是", "TRUE", "y", "Yes" })
        EXPECT_EQ(cellFlag(QString::fromUtf8(text)), true) << text;
    for (const char *text : { "0", "否", "false", "N", "no" })
        EXPECT_EQ(cellFlag(QString::fromUtf8(text)), false) << text;
    EXPECT_FALSE(cellFlag("2").has_value());
}

TEST(ExcelDate, SerialsFormatsAndTheDateSystems)
{
    EXPECT_EQ(excelSerialDateTime(1), QDateTime(QDate(1900, 1, 1), QTime(0, 0)));
    EXPECT_EQ(excelSerialDateTime(61), QDateTime(QDate(1900, 3, 1), QTime(0, 0)));
    EXPECT_EQ(excelSerialDateTime(0, true), QDateTime(QDate(1904, 1, 1), QTime(0, 0)));
    EXPECT_FALSE(excelSerialDateTime(-1).isValid());
    EXPECT_FALSE(excelSerialDateTime(2958466).isValid());
    EXPECT_TRUE(isDateNumberFormat(14, QString()));
    EXPECT_TRUE(isDateNumberFormat(164, QStringLiteral("yyyy\"年\"m\"月\"d\"日\"")));
    EXPECT_TRUE(isDateNumberFormat(165, QStringLiteral("[h]:mm")));
    EXPECT_FALSE(isDateNumberFormat(166, QStringLiteral("[Red]#,##0.00;\"days\"")));
    EXPECT_FALSE(isDateNumberFormat(167, QStringLiteral("[DBNum1]0")));
    EXPECT_FALSE(isDateNumberFormat(2, QStringLiteral("0.00")));
}

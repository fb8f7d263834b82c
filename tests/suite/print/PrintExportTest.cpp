#include "DemoCompanyCopy.h"

#include "suite/data/DataService.h"
#include "suite/print/CsvExport.h"
#include "suite/print/PrintData.h"
#include "suite/print/PrintFileExport.h"
#include "suite/print/PrintStyle.h"
#include "suite/print/XlsxWriter.h"
#include "suite/print/ZipStore.h"
#include "suite/pub/PrintStyleStore.h"

#include <QFile>
#include <QMap>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtEndian>

#include <gtest/gtest.h>

#include <zlib.h>

using namespace suite;

namespace {

PrintData sampleTable(int rows = 3)
{
    PrintData data;
    data.title = QStringLiteral("客户档案");
    data.accountId = QStringLiteral("001");
    data.userName = QStringLiteral("演示管理员");
    data.headers = { QStringLiteral("客户编码"), QStringLiteral("客户名称"),
                     QStringLiteral("备注") };
    data.rows.append({ QStringLiteral("0001"), QStringLiteral("北京\"华泰\"商贸"),
                       QStringLiteral("R&D <部>, 第一行\r\n第二行") });
    for (int row = 1; row < rows; ++row)
        data.rows.append({ QStringLiteral("%1").arg(row + 1, 4, 10, QChar(u'0')),
                           QStringLiteral("上海客户%1").arg(row), QString() });
    return data;
}

// Raw deflate data, as ZIP entries hold it, inflated.
QByteArray inflated(const QByteArray &raw, quint32 size)
{
    QByteArray out(qsizetype(size), '\0');
    z_stream stream{};
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(raw.constData()));
    stream.avail_in = uInt(raw.size());
    stream.next_out = reinterpret_cast<Bytef *>(out.data());
    stream.avail_out = uInt(out.size());
    constexpr int kRawDeflate = -MAX_WBITS;
    if (inflateInit2(&stream, kRawDeflate) != Z_OK)
        return {};
    const int status = inflate(&stream, Z_FINISH);
    inflateEnd(&stream);
    return status == Z_STREAM_END && stream.total_out == size ? out : QByteArray();
}

// A reader of the ZIP archives the writer makes: entries by the central directory, stored or
// deflated, each checked against its local header and its CRC.
QMap<QString, QByteArray> unzip(const QByteArray &zip, QString &fault)
{
    const auto u16 = [&](qsizetype at) {
        return qFromLittleEndian<quint16>(zip.constData() + at);
    };
    const auto u32 = [&](qsizetype at) {
        return qFromLittleEndian<quint32>(zip.constData() + at);
    };
    QMap<QString, QByteArray> entries;
    const qsizetype end = zip.lastIndexOf(QByteArrayLiteral("PK\x05\x06"));
    if (end < 0 || end + 22 > zip.size()) {
        fault = QStringLiteral("no end record");
        return entries;
    }
    qsizetype at = u32(end + 16);
    for (int i = 0; i < u16(end + 10); ++i) {
        const quint16 method = u16(at + 10);
        if (u32(at) != 0x02014b50 || (method != 0 && method != 8)) {
            fault = QStringLiteral("directory entry %1 is neither stored nor deflated").arg(i);
            return entries;
        }
        const quint32 crc = u32(at + 16);
        const quint32 written = u32(at + 20);
        const quint32 size = u32(at + 24);
        const QString name = QString::fromUtf8(zip.mid(at + 46, u16(at + 28)));
        const qsizetype local = u32(at + 42);
        const QByteArray raw = zip.mid(local + 30 + u16(local + 26) + u16(local + 28), written);
        const QByteArray data = method == 8 ? inflated(raw, size) : raw;
        if (u32(local) != 0x04034b50 || u16(local + 8) != method || ZipStore::crc32(data) != crc)
            fault = QStringLiteral("%1: bad local header or CRC").arg(name);
        entries.insert(name, data);
        at += 46 + u16(at + 28) + u16(at + 30) + u16(at + 32);
    }
    return entries;
}

// The cell texts of a sheet, row by row, in document order.
QList<QStringList> sheetCells(const QByteArray &xml)
{
    QList<QStringList> rows;
    QXmlStreamReader reader(xml);
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement() && reader.name() == u"row")
            rows.append(QStringList());
        else if (reader.isStartElement() && reader.name() == u"t")
            rows.last().append(reader.readElementText());
    }
    EXPECT_FALSE(reader.hasError()) << qPrintable(reader.errorString());
    return rows;
}

// RFC 4180 read back: quoted cells, doubled quotes, line breaks inside quotes.
QList<QStringList> parseCsv(const QString &text)
{
    QList<QStringList> rows{ QStringList() };
    QString cell;
    bool quoted = false;
    const auto at = [&text](qsizetype i) {
        return i < text.size() ? text.at(i) : QChar();
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted && c == u'"' && at(i + 1) == u'"') {
            cell += c;
            ++i;
        } else if (c == u'"') {
            quoted = !quoted;
        } else if (!quoted && c == u',') {
            rows.last().append(std::exchange(cell, QString()));
        } else if (!quoted && c == u'\r' && at(i + 1) == u'\n') {
            rows.last().append(std::exchange(cell, QString()));
            rows.append(QStringList());
            ++i;
        } else {
            cell += c;
        }
    }
    rows.removeLast();
    return rows;
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

TEST(ZipStore, ChecksumsAndColumnNamesFollowTheirStandards)
{
    EXPECT_EQ(ZipStore::crc32(QByteArrayLiteral("123456789")), 0xCBF43926u);
    EXPECT_EQ(ZipStore::crc32(QByteArray()), 0u);
    EXPECT_EQ(XlsxWriter::columnName(0), u"A");
    EXPECT_EQ(XlsxWriter::columnName(25), u"Z");
    EXPECT_EQ(XlsxWriter::columnName(26), u"AA");
    EXPECT_EQ(XlsxWriter::columnName(51), u"AZ");
    EXPECT_EQ(XlsxWriter::columnName(52), u"BA");
}

TEST(XlsxWriter, PackageHoldsTheTableWithChineseAndMarkupIntact)
{
    const PrintData data = sampleTable(200);
    QString fault;
    const QByteArray package = XlsxWriter::workbook(data);
    const QMap<QString, QByteArray> entries = unzip(package, fault);
    EXPECT_TRUE(fault.isEmpty()) << qPrintable(fault);
    EXPECT_EQ(entries.keys(),
              (QStringList{ "[Content_Types].xml", "_rels/.rels", "xl/_rels/workbook.xml.rels",
                            "xl/workbook.xml", "xl/worksheets/sheet1.xml" }));
    EXPECT_TRUE(entries.value("xl/workbook.xml").contains("name=\"客户档案\""));
    QList<QStringList> expected{ data.headers };
    expected += data.rows;
    EXPECT_EQ(sheetCells(entries.value("xl/worksheets/sheet1.xml")), expected);
    // The sheet's repeated markup is deflated.
    EXPECT_LT(package.size() * 4, entries.value("xl/worksheets/sheet1.xml").size());
}

TEST(CsvExport, ReadsBackCellForCellAfterTheByteOrderMark)
{
    const PrintData data = sampleTable();
    const QByteArray csv = CsvExport::csv(data);
    ASSERT_TRUE(csv.startsWith("\xEF\xBB\xBF"));
    QList<QStringList> expected{ data.headers };
    expected += data.rows;
    EXPECT_EQ(parseCsv(QString::fromUtf8(csv.mid(3))), expected);
}

TEST(PrintFileExport, PdfEmbedsTheChineseFontAndGrowsByPages)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("list.pdf"));
    QString sMsg;
    ASSERT_EQ(PrintFileExport::write(path, sampleTable(5), PrintStyle::defaultLayout(), sMsg), 5)
        << qPrintable(sMsg);
    const QByteArray pdf = readFile(path);
    EXPECT_TRUE(pdf.startsWith("%PDF"));
    EXPECT_TRUE(pdf.contains("WenQuanYi"));

    const auto pages = [](const QByteArray &document) {
        return document.count("/Type /Page\n") + document.count("/Type /Page\r");
    };
    const QByteArray onePage = PrintFileExport::pdf(sampleTable(5), PrintStyle::defaultLayout());
    const QByteArray manyRows = PrintFileExport::pdf(sampleTable(300), PrintStyle::defaultLayout());
    EXPECT_EQ(pages(onePage), 1);
    EXPECT_GT(pages(manyRows), 4);
}

TEST(PrintFileExport, FailureLeavesNoFileAndKeepsTheOldOne)
{
    QTemporaryDir dir;
    QString sMsg;
    EXPECT_EQ(PrintFileExport::write(dir.filePath("list.txt"), sampleTable(),
                                     PrintStyle::defaultLayout(), sMsg),
              -1);
    EXPECT_TRUE(sMsg.contains(".xlsx"));
    EXPECT_FALSE(QFile::exists(dir.filePath("list.txt")));

    sMsg.clear();
    EXPECT_EQ(PrintFileExport::write(dir.filePath("missing/list.csv"), sampleTable(),
                                     PrintStyle::defaultLayout(), sMsg),
              -1);
    EXPECT_TRUE(sMsg.contains("missing/list.csv"));
    EXPECT_TRUE(dir.isValid() && QDir(dir.path()).entryList(QDir::Files).isEmpty());
}

TEST(PrintStyle, TextFormRoundTripsAndRejectsDamage)
{
    PrintStyle style;
    style.key = QStringLiteral("setup");
    style.layout = QPageLayout(QPageSize(QPageSize::A3), QPageLayout::Landscape,
                               QMarginsF(5, 6, 7, 8), QPageLayout::Millimeter);
    const std::optional<PrintStyle> back = PrintStyle::fromText(style.toText());
    ASSERT_TRUE(back);
    EXPECT_EQ(back->key, u"setup");
    EXPECT_EQ(back->layout.pageSize().id(), QPageSize::A3);
    EXPECT_EQ(back->layout.orientation(), QPageLayout::Landscape);
    EXPECT_EQ(back->layout.margins(QPageLayout::Millimeter), QMarginsF(5, 6, 7, 8));
    for (const char *damaged : { "size=210x297;orientation=portrait;margins=1,1,1,1",
                                 "key=a;size=210;orientation=portrait;margins=1,1,1,1",
                                 "key=a;size=210x297;orientation=up;margins=1,1,1,1",
                                 "key=a;size=210x297;orientation=portrait;margins=1,1,-1,1" })
        EXPECT_FALSE(PrintStyle::fromText(QString::fromLatin1(damaged))) << damaged;
}

TEST(PrintStyleStore, CompanyWithoutTheTableGetsItOnFirstUse)
{
    DemoCompanyCopy<> company;
    ASSERT_TRUE(company.ok()) << qPrintable(company.error());
    company.run(DemoCompanyCopy<>::Company, QStringLiteral("drop table AA_PrintStyle"));
    ClsCommon service;
    service.Init(company.connectionText());
    PrintStyleStore store(service);
    EXPECT_FALSE(store.read(QStringLiteral("Customer"), QStringLiteral("SetUp")));

    PrintStyle style;
    style.key = QStringLiteral("setup");
    style.layout.setOrientation(QPageLayout::Landscape);
    QString sMsg;
    ASSERT_TRUE(store.save(QStringLiteral("Customer"), style, sMsg)) << qPrintable(sMsg);
    style.layout.setOrientation(QPageLayout::Portrait);
    ASSERT_TRUE(store.save(QStringLiteral("Customer"), style, sMsg)) << qPrintable(sMsg);
    const std::optional<PrintStyle> stored = store.read(QStringLiteral("customer"), "SETUP");
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->layout.orientation(), QPageLayout::Portrait);
    EXPECT_FALSE(store.read(QStringLiteral("Customer'--"), QStringLiteral("setup")));
    EXPECT_EQ(company.column(DemoCompanyCopy<>::Company,
                             QStringLiteral("select count(*) from AA_PrintStyle")),
              QStringList{ QStringLiteral("1") });
}

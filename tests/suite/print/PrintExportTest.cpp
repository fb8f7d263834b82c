#include "DemoCompanyCopy.h"

#include "suite/data/DataService.h"
#include "suite/print/CsvExport.h"
#include "suite/print/ListPrintLayout.h"
#include "suite/print/PrintData.h"
#include "suite/print/PrintFileExport.h"
#include "suite/print/PrintStyle.h"
#include "suite/pub/PrintStyleStore.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace suite;

namespace {

PrintColumn column(const QString &caption, const QString &key,
                   PrintColumnKind kind = PrintColumnKind::Text, bool repeated = false)
{
    PrintColumn printed;
    printed.caption = caption;
    printed.key = key;
    printed.kind = kind;
    printed.repeated = repeated;
    return printed;
}

// A list of customers as the list prints it: code and name repeated across pages, a long
// address, an amount, a flag and a date.
PrintData sampleList(int rows = 3)
{
    PrintData data;
    data.title = QStringLiteral("客户档案");
    data.accountId = QStringLiteral("001");
    data.userName = QStringLiteral("演示管理员");
    data.columns = {
        column(QStringLiteral("客户编码"), QStringLiteral("cCusCode"), PrintColumnKind::Text, true),
        column(QStringLiteral("客户名称"), QStringLiteral("cCusName"), PrintColumnKind::Text, true),
        column(QStringLiteral("地址"), QStringLiteral("cCusAddress")),
        column(QStringLiteral("应收余额"), QStringLiteral("iARMoney"), PrintColumnKind::Number),
        column(QStringLiteral("国内"), QStringLiteral("bCusDomestic"), PrintColumnKind::Flag),
        column(QStringLiteral("发展日期"), QStringLiteral("dCusDevDate"), PrintColumnKind::Date),
        column(QStringLiteral("备注"), QStringLiteral("cMemo"))
    };
    QList<QStringList> cells;
    cells.append({ QStringLiteral("0001"), QStringLiteral("北京\"华泰\"商贸"),
                   QStringLiteral("北京市海淀区中关村大街一号院三号楼五层五零一室"),
                   QStringLiteral("-1234.50"), QStringLiteral("1"), QStringLiteral("2026-03-01"),
                   QStringLiteral("=SUM(A1:A9) R&D <部>, 第一行\r\n第二行") });
    for (int row = 1; row < rows; ++row)
        cells.append({ QStringLiteral("%1").arg(row + 1, 4, 10, QChar(u'0')),
                       QStringLiteral("上海客户%1").arg(row), QStringLiteral("上海"),
                       QString::number(row * 10), QStringLiteral("0"),
                       QStringLiteral("2025-12-31 08:30:00"), QString() });
    data.rows = std::make_shared<PrintRowList>(cells, 7);
    return data;
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

// What a program prints, run to its end; empty when it cannot run.
QString output(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return QStringLiteral("failed: ") + QString::fromUtf8(process.readAllStandardError());
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The text of each page of a PDF as poppler reads it.
QStringList pdfPages(const QString &path)
{
    const QString text = output(QStringLiteral("pdftotext"),
                                { QStringLiteral("-layout"), path, QStringLiteral("-") });
    QStringList pages = text.split(u'\f');
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}

QString writePdf(const QTemporaryDir &dir, const PrintData &data, QString &sMsg)
{
    const QString path = dir.filePath(QStringLiteral("list.pdf"));
    EXPECT_EQ(PrintFileExport::write(path, data, PrintStyle::defaultLayout(), {}, sMsg),
              data.rowCount())
        << qPrintable(sMsg);
    return path;
}

} // namespace

TEST(CsvExport, ReadsBackCellForCellAndRunsNoFormula)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("list.csv"));
    const PrintData data = sampleList(20);
    QString sMsg;
    ASSERT_EQ(PrintFileExport::write(path, data, PrintStyle::defaultLayout(), {}, sMsg), 20)
        << qPrintable(sMsg);
    const QByteArray csv = readFile(path);
    ASSERT_TRUE(csv.startsWith("\xEF\xBB\xBF"));
    const QList<QStringList> rows = parseCsv(QString::fromUtf8(csv.mid(3)));
    ASSERT_EQ(rows.size(), 21);
    EXPECT_EQ(rows.at(0), data.captions());
    EXPECT_EQ(rows.at(1).at(1), QStringLiteral("北京\"华泰\"商贸"));
    EXPECT_EQ(rows.at(1).at(3), QStringLiteral("-1234.50")) << "a number stays a number";
    EXPECT_EQ(rows.at(1).at(6), QStringLiteral("'=SUM(A1:A9) R&D <部>, 第一行\r\n第二行"));
    EXPECT_EQ(rows.at(20).at(0), QStringLiteral("0020"));
    EXPECT_EQ(CsvExport::cell(QStringLiteral("@cmd"), PrintColumnKind::Text), u"\"'@cmd\"");
    EXPECT_EQ(CsvExport::cell(QStringLiteral("-5"), PrintColumnKind::Text), u"\"'-5\"");
    EXPECT_EQ(CsvExport::cell(QStringLiteral("-x"), PrintColumnKind::Number), u"\"'-x\"");
}

TEST(CsvExport, WritesTheFileByteForByte)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("list.csv"));
    QString sMsg;
    ASSERT_EQ(PrintFileExport::write(path, sampleList(2), PrintStyle::defaultLayout(), {}, sMsg), 2)
        << qPrintable(sMsg);
    EXPECT_EQ(
        readFile(path),
        QByteArray("\xEF\xBB\xBF")
            + QStringLiteral(
                  "\"客户编码\",\"客户名称\",\"地址\",\"应收余额\",\"国内\",\"发展日期\","
                  "\"备注\"\r\n"
                  "\"0001\",\"北京\"\"华泰\"\"商贸\","
                  "\"北京市海淀区中关村大街一号院三号楼五层五零一室\","
                  "\"-1234.50\",\"1\",\"2026-03-01\",\"'=SUM(A1:A9) R&D <部>, "
                  "第一行\r\n第二行\"\r\n"
                  "\"0002\",\"上海客户1\",\"上海\",\"10\",\"0\",\"2025-12-31 08:30:00\",\"\"\r\n")
                  .toUtf8());
    EXPECT_EQ(CsvExport::cell(QStringLiteral("\"a\"\"b\""), PrintColumnKind::Text),
              QStringLiteral("\"\"\"a\"\"\"\"b\"\"\""));
    EXPECT_EQ(CsvExport::cell(QStringLiteral("-1,234.5"), PrintColumnKind::Number),
              QStringLiteral("\"-1,234.5\""));
    EXPECT_EQ(CsvExport::cell(QStringLiteral("+\"x"), PrintColumnKind::Number),
              QStringLiteral("\"'+\"\"x\""));
}

TEST(XlsxExport, ARealReaderFindsTypedCellsUnderABoldFrozenHeader)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("list.xlsx"));
    QString sMsg;
    ASSERT_EQ(PrintFileExport::write(path, sampleList(30), PrintStyle::defaultLayout(), {}, sMsg),
              30)
        << qPrintable(sMsg);
    const QString read =
        output(QStringLiteral("/usr/bin/python3"),
               { QStringLiteral("-c"),
                 QStringLiteral(
                     "import openpyxl, sys\n"
                     "ws = openpyxl.load_workbook(sys.argv[1]).active\n"
                     "print(ws.freeze_panes, ws['A1'].font.b, ws.max_row, ws.max_column)\n"
                     "for cell in ws[2]:\n"
                     "    print(type(cell.value).__name__, str(cell.value).replace('\\n', '|'))\n"
                     "print(ws['F3'].value, ws['E3'].value)\n"),
                 path });
    EXPECT_EQ(
        read.split(u'\n'),
        (QStringList{ u"A2 True 31 7"_qs, u"str 0001"_qs, u"str 北京\"华泰\"商贸"_qs,
                      u"str 北京市海淀区中关村大街一号院三号楼五层五零一室"_qs, u"float -1234.5"_qs,
                      u"bool True"_qs, u"datetime 2026-03-01 00:00:00"_qs,
                      u"str =SUM(A1:A9) R&D <部>, 第一行|第二行"_qs,
                      u"2025-12-31 08:30:00 False"_qs, QString() }));
}

TEST(PrintFileExport, PdfReadsAsAReportWithEveryCaptionAndTheFirstCustomer)
{
    QTemporaryDir dir;
    QString sMsg;
    const QStringList pages = pdfPages(writePdf(dir, sampleList(120), sMsg));
    ASSERT_FALSE(pages.isEmpty());
    for (const QString &caption : sampleList().captions())
        EXPECT_TRUE(pages.front().contains(caption)) << qPrintable(caption) << "\n"
                                                     << qPrintable(pages.front());
    EXPECT_TRUE(pages.front().contains(u"0001"));
    EXPECT_TRUE(pages.front().contains(u"北京\"华泰\"商贸"));
    EXPECT_TRUE(pages.front().contains(u"客户档案"));
    EXPECT_TRUE(pages.front().contains(u"演示管理员"));
    EXPECT_TRUE(pages.front().contains(u"-1234.50"));
    EXPECT_TRUE(pages.front().contains(u"✓"));
    EXPECT_FALSE(pages.front().contains(u"…")) << "the address wraps instead of being cut";
    for (int page = 0; page < pages.size(); ++page) {
        EXPECT_TRUE(pages.at(page).contains(u"客户名称")) << "header on page " << page + 1;
        const QRegularExpression number(u"\\b%1 ?/ ?%2\\s*$"_qs.arg(page + 1).arg(pages.size()));
        EXPECT_TRUE(number.match(pages.at(page)).hasMatch())
            << qPrintable(pages.at(page).right(80));
    }
    EXPECT_TRUE(readFile(dir.filePath(QStringLiteral("list.pdf"))).contains("WenQuanYi"));
}

TEST(PrintFileExport, PageCountFollowsRowsPerPageAndColumnPages)
{
    QTemporaryDir dir;
    for (const int rows : { 1, 60, 250 }) {
        const PrintData data = sampleList(rows);
        ListPrintLayout::Plan plan;
        QString sMsg;
        ASSERT_TRUE(ListPrintLayout(data).plan(
            PrintStyle::defaultLayout().paintRect(QPageLayout::Point).size(), plan, sMsg))
            << qPrintable(sMsg);
        const int bands = rows <= plan.rowsOnFirstPage
            ? 1
            : 1 + (rows - plan.rowsOnFirstPage + plan.rowsPerPage - 1) / plan.rowsPerPage;
        EXPECT_EQ(plan.pageCount, bands * int(plan.columnPages.size())) << rows;
        EXPECT_EQ(pdfPages(writePdf(dir, data, sMsg)).size(), plan.pageCount) << rows;
    }
}

TEST(PrintFileExport, EightyColumnsRunAcrossPagesRepeatingCodeAndName)
{
    PrintData data = sampleList();
    QString sMsg;
    for (int extra = 0; extra < 73; ++extra)
        data.columns.append(
            column(u"字段%1"_qs.arg(extra, 2, 10, QChar(u'0')), u"cDefine%1"_qs.arg(extra)));
    QList<QStringList> wide;
    for (int row = 0; row < 40; ++row) {
        QStringList line{ u"%1"_qs.arg(row + 1, 4, 10, QChar(u'0')), u"客户%1"_qs.arg(row + 1) };
        for (int column = 2; column < data.columns.size(); ++column)
            line.append(u"值%1-%2"_qs.arg(row + 1).arg(column));
        wide.append(line);
    }
    data.rows = std::make_shared<PrintRowList>(wide);
    QTemporaryDir dir;
    const QStringList pages = pdfPages(writePdf(dir, data, sMsg));
    ASSERT_GT(pages.size(), 2);
    for (int page = 0; page < pages.size(); ++page) {
        EXPECT_TRUE(pages.at(page).contains(u"客户编码"))
            << page + 1 << qPrintable(pages.at(page).left(600));
        EXPECT_TRUE(pages.at(page).contains(u"客户名称")) << page + 1;
    }
    EXPECT_TRUE(pages.at(1).contains(u"0001")) << "the second page across goes on with row 1";
    EXPECT_TRUE(pages.at(1).contains(u"客户1 "));
    for (int extra = 0; extra < 73; ++extra) {
        const QString caption = u"字段%1"_qs.arg(extra, 2, 10, QChar(u'0'));
        EXPECT_TRUE(std::any_of(pages.cbegin(), pages.cend(), [&](const QString &page) {
            return page.contains(caption);
        })) << qPrintable(caption);
    }
}

TEST(PrintFileExport, AStoppedOrFailedExportLeavesNoFileAndKeepsTheOldOne)
{
    QTemporaryDir dir;
    QString sMsg;
    for (const char *name : { "list.csv", "list.pdf", "list.xlsx" }) {
        const QString path = dir.filePath(QLatin1String(name));
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("earlier");
        old.close();
        int calls = 0;
        const PrintProgress stop = [&calls](qint64, qint64) {
            return ++calls < 2;
        };
        EXPECT_EQ(
            PrintFileExport::write(path, sampleList(40), PrintStyle::defaultLayout(), stop, sMsg),
            -1)
            << name;
        EXPECT_TRUE(sMsg.isEmpty()) << qPrintable(sMsg);
        EXPECT_EQ(readFile(path), QByteArray("earlier")) << name;
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 3)
        << "no part-written file is left beside them";

    EXPECT_EQ(PrintFileExport::write(dir.filePath("list.txt"), sampleList(),
                                     PrintStyle::defaultLayout(), {}, sMsg),
              -1);
    EXPECT_TRUE(sMsg.contains(".xlsx"));
    EXPECT_FALSE(QFile::exists(dir.filePath("list.txt")));
    EXPECT_EQ(PrintFileExport::write(dir.filePath("missing/list.csv"), sampleList(),
                                     PrintStyle::defaultLayout(), {}, sMsg),
              -1);
    EXPECT_TRUE(sMsg.contains("missing/list.csv"));
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

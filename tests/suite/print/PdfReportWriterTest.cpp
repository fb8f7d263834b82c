#include "suite/print/PdfReportWriter.h"
#include "suite/print/PrintFileExport.h"
#include "suite/print/PrintStyle.h"
#include "suite/print/ReportFont.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace suite;

namespace {

// What a poppler tool prints for a file; the reason when it fails.
QString poppler(const QString &tool, QStringList arguments)
{
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return QStringLiteral("failed: ") + QString::fromUtf8(process.readAllStandardError());
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The text of each page, as poppler reads it without keeping the layout.
QStringList pageTexts(const QString &path)
{
    QStringList pages =
        poppler(QStringLiteral("pdftotext"), { path, QStringLiteral("-") }).split(u'\f');
    pages.removeLast(); // after the last form feed
    for (QString &page : pages)
        page = page.trimmed();
    return pages;
}

QString pdfInfo(const QString &path, const QString &field)
{
    const QRegularExpression line(QStringLiteral("^%1:\\s*(.*)$").arg(field),
                                  QRegularExpression::MultilineOption);
    return line.match(poppler(QStringLiteral("pdfinfo"), { path })).captured(1).trimmed();
}

// A file of pages, each with the given lines of text one under the other.
bool writePages(const QString &path, const QList<QStringList> &pages, QString &sMsg,
                const ReportFont &font = ReportFont::standard())
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        sMsg = file.errorString();
        return false;
    }
    PdfReportWriter writer(file, font, PrintStyle::defaultLayout(), QStringLiteral("客户档案"));
    for (const QStringList &lines : pages) {
        if (!writer.beginPage(sMsg))
            return false;
        qreal baseline = 20;
        for (const QString &line : lines) {
            writer.text(QPointF(10, baseline), line, 10, line.startsWith(u'*'));
            baseline += 20;
        }
        writer.fillRect(QRectF(10, baseline, 200, 12), QColor(235, 235, 235));
        writer.line(QPointF(10, baseline), QPointF(210, baseline));
    }
    return writer.finish(sMsg);
}

// Dark pixels of page 1 drawn at 150 dpi: what a reader really shows of the text.
int inkOf(const QString &path)
{
    const QString stem = path + QStringLiteral("-ink");
    poppler(QStringLiteral("pdftoppm"),
            { QStringLiteral("-r"), QStringLiteral("150"), QStringLiteral("-gray"),
              QStringLiteral("-singlefile"), path, stem });
    const QImage page(stem + QStringLiteral(".pgm"));
    int dark = 0;
    for (int y = 0; y < page.height(); ++y) {
        for (int x = 0; x < page.width(); ++x)
            dark += qGray(page.pixel(x, y)) < 128 ? 1 : 0;
    }
    return page.isNull() ? -1 : dark;
}

} // namespace

TEST(PdfReportWriter, ReadsBackWordForWordOnPagesOfTheLayoutsSize)
{
    ASSERT_TRUE(ReportFont::standard().isValid());
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("report.pdf"));
    QString sMsg;
    ASSERT_TRUE(
        writePages(path,
                   { { QStringLiteral("北京市海淀区中关村大街"), QStringLiteral("-1234.50") },
                     { QStringLiteral("*客户名称 Customer Name") },
                     { QStringLiteral("✓ 2026-12-07 08:30"), QStringLiteral("12 345") } },
                   sMsg))
        << qPrintable(sMsg);
    EXPECT_EQ(pageTexts(path).join(u'|').toStdString(),
              "北京市海淀区中关村大街\n-1234.50|*客户名称 Customer Name|"
              "✓ 2026-12-07 08:30\n12 345");
    EXPECT_EQ(pdfInfo(path, QStringLiteral("Pages")), u"3");
    EXPECT_EQ(pdfInfo(path, QStringLiteral("Title")), u"客户档案");
    const QRegularExpressionMatch size =
        QRegularExpression(QStringLiteral("^([\\d.]+) x ([\\d.]+) pts"))
            .match(pdfInfo(path, QStringLiteral("Page size")));
    ASSERT_TRUE(size.hasMatch()) << qPrintable(pdfInfo(path, QStringLiteral("Page size")));
    const QSizeF a4 = PrintStyle::defaultLayout().fullRect(QPageLayout::Point).size();
    EXPECT_NEAR(size.captured(1).toDouble(), a4.width(), 0.01);
    EXPECT_NEAR(size.captured(2).toDouble(), a4.height(), 0.01);
    EXPECT_GT(a4.width(), a4.height()) << "the default page lies across";
}

TEST(PdfReportWriter, EmbedsASubsetOfTheFontWithItsWidthsAndCharacters)
{
    QTemporaryDir dir;
    const QString few = dir.filePath(QStringLiteral("few.pdf"));
    const QString many = dir.filePath(QStringLiteral("many.pdf"));
    // Six hundred characters in lines of fifty.
    QStringList hundreds(12);
    for (char16_t c = u'一'; c < u'一' + 600; ++c)
        hundreds[(c - u'一') / 50] += QChar(c);
    QString sMsg;
    ASSERT_TRUE(writePages(few, { { QStringLiteral("客户") } }, sMsg)) << qPrintable(sMsg);
    ASSERT_TRUE(writePages(many, { hundreds }, sMsg)) << qPrintable(sMsg);

    const QStringList fonts =
        poppler(QStringLiteral("pdffonts"), { few }).split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(fonts.size(), 3) << qPrintable(fonts.join(u'\n')) << "one font under the heading";
    const QStringList columns = fonts.at(2).simplified().split(u' ');
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^[A-Z]{6}\\+WenQuanYiMicroHei$"))
                    .match(columns.value(0))
                    .hasMatch())
        << qPrintable(fonts.at(2));
    EXPECT_EQ(columns.mid(1, 5), (QStringList{ "CID", "TrueType", "Identity-H", "yes", "yes" }))
        << "embedded, as a subset";
    EXPECT_EQ(columns.value(6), u"yes") << "with a map back to the characters";

    const qint64 font =
        QFile(QStringLiteral("/usr/share/fonts/truetype/wqy/wqy-microhei.ttc")).size();
    const qint64 fewSize = QFile(few).size();
    const qint64 manySize = QFile(many).size();
    EXPECT_LT(fewSize, font / 10) << fewSize;
    EXPECT_GT(manySize, fewSize + 600 * 50) << "each glyph used brings its outline along";
    EXPECT_EQ(pageTexts(many).join(u'|').toStdString(), hundreds.join(u'\n').toStdString());
    EXPECT_GT(inkOf(many), inkOf(few)) << "the outlines embedded are drawn";
}

TEST(PdfReportWriter, GlyphsBuiltFromOtherGlyphsKeepTheirParts)
{
    // DejaVu Sans draws accented letters from the letter and the accent.
    const ReportFont dejaVu(QFont(QStringLiteral("DejaVu Sans")));
    ASSERT_TRUE(dejaVu.isValid());
    QTemporaryDir dir;
    QString sMsg;
    const QString plain = dir.filePath(QStringLiteral("e.pdf"));
    const QString accented = dir.filePath(QStringLiteral("eacute.pdf"));
    ASSERT_TRUE(writePages(plain, { { QStringLiteral("eeee") } }, sMsg, dejaVu));
    ASSERT_TRUE(writePages(accented, { { QStringLiteral("éééé") } }, sMsg, dejaVu));
    EXPECT_EQ(pageTexts(accented).join(u'|').toStdString(), "éééé");
    const int letters = inkOf(plain);
    EXPECT_GT(letters, 0);
    EXPECT_GT(inkOf(accented), letters) << "the accent is drawn over the letter";
}

TEST(PdfReportWriter, AFullDiskIsReportedAndAFileWithoutPagesStillReads)
{
    QFile full(QStringLiteral("/dev/full"));
    ASSERT_TRUE(full.open(QIODevice::WriteOnly));
    QString sMsg;
    {
        PdfReportWriter writer(full, ReportFont::standard(), PrintStyle::defaultLayout(),
                               QStringLiteral("x"));
        bool written = true;
        for (int page = 0; page < 50 && written; ++page) {
            written = writer.beginPage(sMsg);
            for (int line = 0; line < 40; ++line)
                writer.text(QPointF(10, 10 + line * 12), QStringLiteral("客户%1").arg(line), 9,
                            false);
        }
        EXPECT_FALSE(written && writer.finish(sMsg));
    }
    EXPECT_EQ(sMsg, QStringLiteral("the PDF file cannot be written: No space left on device"));

    QTemporaryDir dir;
    const QString empty = dir.filePath(QStringLiteral("empty.pdf"));
    ASSERT_TRUE(writePages(empty, {}, sMsg)) << qPrintable(sMsg);
    EXPECT_EQ(pdfInfo(empty, QStringLiteral("Pages")), u"1");
}

TEST(PdfReportWriter, APathThatCannotBeAFileIsNamedInTheMessageAndNothingIsLeft)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("taken.pdf")));
    PrintData data;
    data.columns.append(PrintColumn{ QStringLiteral("客户编码"), QStringLiteral("cCusCode") });
    data.rows = std::make_shared<PrintRowList>(QList<QStringList>{ { QStringLiteral("0001") } });
    for (const QString &name : { u"taken.pdf"_qs, u"missing/list.pdf"_qs }) {
        QString sMsg;
        EXPECT_EQ(
            PrintFileExport::write(dir.filePath(name), data, PrintStyle::defaultLayout(), {}, sMsg),
            -1);
        EXPECT_TRUE(sMsg.startsWith(dir.filePath(name) + QStringLiteral(" cannot be written: ")))
            << qPrintable(sMsg);
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList{ QStringLiteral("taken.pdf") });
}

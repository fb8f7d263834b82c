#include "suite/print/ListPrintLayout.h"
#include "suite/print/PainterReportSurface.h"
#include "suite/print/PrintStyle.h"
#include "suite/print/ReportFont.h"
#include "suite/print/ReportSurface.h"

#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace suite;

namespace {

// Remembers what the layout draws, page by page.
class RecordingSurface : public ReportSurface
{
public:
    struct Text
    {
        int page;
        QPointF baseline;
        QString text;
        qreal points;
        bool bold;
    };

    QSizeF pageSize() const override
    {
        return PrintStyle::defaultLayout().paintRect(QPageLayout::Point).size();
    }
    bool beginPage(QString &) override
    {
        ++pages;
        return true;
    }
    void text(const QPointF &baseline, QStringView text, qreal points, bool bold) override
    {
        texts.append({ pages, baseline, text.toString(), points, bold });
    }
    void line(const QPointF &, const QPointF &) override { ++lines; }
    void fillRect(const QRectF &, const QColor &) override { ++fills; }

    QList<Text> on(int page) const
    {
        QList<Text> found;
        for (const Text &text : texts) {
            if (text.page == page)
                found.append(text);
        }
        return found;
    }
    QStringList textsOn(int page) const
    {
        QStringList found;
        for (const Text &text : on(page))
            found.append(text.text);
        return found;
    }
    QList<Text> starting(const QString &prefix) const
    {
        QList<Text> found;
        for (const Text &text : texts) {
            if (text.text.startsWith(prefix))
                found.append(text);
        }
        return found;
    }

    int pages = 0;
    int lines = 0;
    int fills = 0;
    QList<Text> texts;
};

PrintColumn column(const QString &caption, PrintColumnKind kind, bool repeated = false)
{
    PrintColumn printed;
    printed.caption = caption;
    printed.kind = kind;
    printed.repeated = repeated;
    return printed;
}

const QDateTime kPrinted(QDate(2026, 12, 7), QTime(8, 30));

PrintData customers(const QList<QStringList> &rows, int extraColumns = 0)
{
    PrintData data;
    data.title = QStringLiteral("客户档案");
    data.accountId = QStringLiteral("001");
    data.userName = QStringLiteral("演示管理员");
    data.columns = { column(QStringLiteral("客户编码"), PrintColumnKind::Text, true),
                     column(QStringLiteral("客户名称"), PrintColumnKind::Text, true),
                     column(QStringLiteral("应收余额"), PrintColumnKind::Number),
                     column(QStringLiteral("国内"), PrintColumnKind::Flag),
                     column(QStringLiteral("备注"), PrintColumnKind::Text) };
    for (int extra = 0; extra < extraColumns; ++extra)
        data.columns.append(
            column(QStringLiteral("字段%1").arg(extra, 2, 10, QChar(u'0')), PrintColumnKind::Text));
    data.rows = std::make_shared<PrintRowList>(rows);
    return data;
}

QStringList customer(int number, const QString &amount, const QString &memo, int extraColumns = 0)
{
    QStringList row{ QStringLiteral("%1").arg(number, 4, 10, QChar(u'0')),
                     QStringLiteral("客户%1").arg(number), amount, QStringLiteral("1"), memo };
    for (int extra = 0; extra < extraColumns; ++extra)
        row.append(QStringLiteral("值%1-%2").arg(number).arg(extra));
    return row;
}

} // namespace

TEST(ListPrintLayout, NumbersEndOnOneEdgeAndALongTextWrapsOnceThenIsCut)
{
    const QString memo = QStringLiteral("很长的备注文字").repeated(40);
    const PrintData data = customers({ customer(1, QStringLiteral("1"), QString()),
                                       customer(2, QStringLiteral("-1234.50"), memo),
                                       customer(3, QStringLiteral("12"), QStringLiteral("短")) });
    const ReportFont &font = ReportFont::standard();
    RecordingSurface surface;
    QString sMsg;
    ASSERT_EQ(ListPrintLayout(data, font, kPrinted).paint(surface, {}, sMsg), 1)
        << qPrintable(sMsg);

    QList<qreal> rightEdges;
    for (const QString &amount : QStringList{ "1", "-1234.50", "12" }) {
        const auto drawn = std::find_if(surface.texts.cbegin(), surface.texts.cend(),
                                        [&](const auto &text) { return text.text == amount; });
        ASSERT_NE(drawn, surface.texts.cend()) << qPrintable(amount);
        rightEdges.append(drawn->baseline.x() + font.width(amount, drawn->points));
    }
    EXPECT_NEAR(rightEdges.at(0), rightEdges.at(1), 1e-6);
    EXPECT_NEAR(rightEdges.at(2), rightEdges.at(1), 1e-6);

    QList<RecordingSurface::Text> lines;
    for (const RecordingSurface::Text &text : surface.texts) {
        if (text.text.size() > 2 && memo.contains(text.text.chopped(1)))
            lines.append(text);
    }
    ASSERT_EQ(lines.size(), 2) << "two lines, then the cut";
    EXPECT_EQ(lines.at(0).baseline.x(), lines.at(1).baseline.x());
    EXPECT_GT(lines.at(1).baseline.y(), lines.at(0).baseline.y());
    EXPECT_FALSE(lines.at(0).text.endsWith(u"…"));
    EXPECT_TRUE(lines.at(1).text.endsWith(u"…"));
    EXPECT_TRUE(memo.startsWith(lines.at(0).text + lines.at(1).text.chopped(1)));
    EXPECT_EQ(surface.starting(QStringLiteral("短")).size(), 1);
    EXPECT_EQ(surface.starting(QStringLiteral("✓")).size(), 3) << "a tick for each set flag";
}

TEST(ListPrintLayout, PagesAcrossRepeatCodeAndNameUnderBoldCaptionsWithTheirFoot)
{
    constexpr int kExtra = 40;
    QList<QStringList> rows;
    for (int number = 1; number <= 3; ++number)
        rows.append(customer(number, QString::number(number), QString(), kExtra));
    const PrintData data = customers(rows, kExtra);
    RecordingSurface surface;
    QString sMsg;
    const int pages =
        ListPrintLayout(data, ReportFont::standard(), kPrinted).paint(surface, {}, sMsg);
    ASSERT_GT(pages, 1) << qPrintable(sMsg);
    EXPECT_EQ(surface.pages, pages);
    for (int page = 1; page <= pages; ++page) {
        const QStringList texts = surface.textsOn(page);
        EXPECT_EQ(texts.mid(texts.size() - 2),
                  (QStringList{ QStringLiteral("2026-12-07 08:30"),
                                QStringLiteral("%1 / %2").arg(page).arg(pages) }));
        for (const QString &repeated : { u"客户编码"_qs, u"客户名称"_qs, u"0003"_qs, u"客户3"_qs })
            EXPECT_TRUE(texts.contains(repeated)) << page << qPrintable(repeated);
        EXPECT_EQ(texts.contains(u"客户档案"_qs), page == 1) << "the title heads page 1 only";
        EXPECT_EQ(texts.contains(u"001    演示管理员"_qs), page == 1);
    }
    for (const RecordingSurface::Text &caption : surface.starting(QStringLiteral("字段")))
        EXPECT_TRUE(caption.bold) << qPrintable(caption.text);
    EXPECT_FALSE(surface.starting(QStringLiteral("0001")).front().bold);
    EXPECT_EQ(surface.fills, pages) << "one shaded header row a page";
}

TEST(ListPrintLayout, ThePrinterRoadDrawsTheSamePagesThroughQPainter)
{
    QList<QStringList> rows;
    for (int number = 1; number <= 90; ++number)
        rows.append(customer(number, QString::number(number * 10), QStringLiteral("备注")));
    const PrintData data = customers(rows);
    RecordingSurface recorded;
    QString sMsg;
    const int pages =
        ListPrintLayout(data, ReportFont::standard(), kPrinted).paint(recorded, {}, sMsg);
    ASSERT_GT(pages, 1) << qPrintable(sMsg);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("printed.pdf"));
    {
        QPdfWriter printer(path);
        printer.setPageLayout(PrintStyle::defaultLayout());
        PainterReportSurface surface(printer, ReportFont::standard());
        EXPECT_NEAR(surface.pageSize().width(), recorded.pageSize().width(), 0.5);
        EXPECT_NEAR(surface.pageSize().height(), recorded.pageSize().height(), 0.5);
        ASSERT_EQ(ListPrintLayout(data, ReportFont::standard(), kPrinted).paint(surface, {}, sMsg),
                  pages)
            << qPrintable(sMsg);
    }
    QProcess text;
    text.start(QStringLiteral("pdftotext"),
               { QStringLiteral("-layout"), path, QStringLiteral("-") });
    ASSERT_TRUE(text.waitForFinished(60000));
    const QStringList printed =
        QString::fromUtf8(text.readAllStandardOutput()).split(u'\f', Qt::SkipEmptyParts);
    ASSERT_EQ(printed.size(), pages);
    EXPECT_TRUE(printed.front().contains(u"客户档案"));
    EXPECT_TRUE(printed.back().contains(u"0090"));
    EXPECT_TRUE(
        printed.back().contains(QRegularExpression(QStringLiteral("\\b%1 ?/ ?%1\\s*$").arg(pages))))
        << qPrintable(printed.back().right(80));
}

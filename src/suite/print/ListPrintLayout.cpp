#include "suite/print/ListPrintLayout.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <numeric>

namespace suite {

namespace {

// Rows measured for the widths and the row height: enough to see what a column holds,
// without reading a whole list first.
constexpr int kMeasuredRows = 200;
// The font starts at the largest size and shrinks in half points while the columns do not
// fit; below the smallest size a list goes on across pages in the size for that.
constexpr qreal kLargestPoints = 9;
constexpr qreal kSmallestPoints = 7;
constexpr qreal kAcrossPoints = 8;
constexpr qreal kPointStep = 0.5;
// The grid's widths are pixels of a 96-dpi screen showing 9-point text.
constexpr qreal kScreenDpi = 96;
constexpr qreal kCellPadding = 0.3; // of a line, on each side of a cell's text
constexpr int kMostLines = 2;
// The first page's title, company and user; every page's foot.
constexpr qreal kHeadLines = 4;
constexpr qreal kFootLines = 2;
constexpr qreal kTitleScale = 1.6;
constexpr qreal kMostStretch = 2;

const QStringList kChineseFamilies{ QStringLiteral("WenQuanYi Micro Hei"),
                                    QStringLiteral("Noto Sans CJK SC"),
                                    QStringLiteral("Noto Sans SC") };
const QString kTick = QStringLiteral("✓");

bool isSet(const QString &flag)
{
    const QString value = flag.trimmed().toLower();
    return value == u"1" || value == u"-1" || value == u"true";
}

// Line breaks and tabs inside a value print as blanks: a cell's lines are the layout's.
QString printable(QString text)
{
    for (QChar &c : text) {
        if (c == u'\r' || c == u'\n' || c == u'\t')
            c = u' ';
    }
    return text;
}

// A line may break between two characters unless both belong to one Latin word or number:
// Chinese breaks between any two of its characters.
bool breaksBetween(QChar before, QChar after)
{
    const auto inWord = [](QChar c) {
        return c.unicode() < 0x2E80 && c.isLetterOrNumber();
    };
    return !(inWord(before) && inWord(after));
}

// The width a caption needs on `lines` lines (one or two), broken where a line may break.
qreal captionWidth(const QFontMetricsF &metrics, const QString &caption, int lines)
{
    qreal best = metrics.horizontalAdvance(caption);
    if (lines < 2)
        return best;
    for (qsizetype cut = 1; cut < caption.size(); ++cut) {
        if (!breaksBetween(caption.at(cut - 1), caption.at(cut)))
            continue;
        best = std::min(best,
                        std::max(metrics.horizontalAdvance(caption.left(cut)),
                                 metrics.horizontalAdvance(caption.mid(cut).trimmed())));
    }
    return best;
}

// The text broken into at most maxLines lines of width, where a line may break and after a
// blank where there is one; what does not fit the last line is cut with an ellipsis.
QStringList wrapped(const QFontMetricsF &metrics, const QString &text, qreal width, int maxLines)
{
    if (maxLines <= 1 || metrics.horizontalAdvance(text) <= width)
        return { metrics.elidedText(text, Qt::ElideRight, width) };
    QStringList lines;
    QString rest = text;
    while (lines.size() < maxLines - 1 && metrics.horizontalAdvance(rest) > width) {
        qsizetype fit = 0;
        qreal advance = 0;
        while (fit < rest.size()) {
            advance += metrics.horizontalAdvance(rest.at(fit));
            if (advance > width)
                break;
            ++fit;
        }
        fit = std::max<qsizetype>(fit, 1);
        const qsizetype blank = rest.left(fit + 1).lastIndexOf(u' ');
        qsizetype cut = blank > 0 ? blank + 1 : fit;
        while (blank <= 0 && cut > 1 && cut < rest.size()
               && !breaksBetween(rest.at(cut - 1), rest.at(cut)))
            --cut;
        if (cut <= 1)
            cut = fit;
        lines.append(rest.left(cut).trimmed());
        rest = rest.mid(cut);
    }
    lines.append(metrics.elidedText(rest, Qt::ElideRight, width));
    return lines;
}

// One line of text in its box, drawn at its baseline: much quicker than laying the text out
// in a rectangle, which a report of many thousands of cells feels.
void drawLine(QPainter &painter, const QFontMetricsF &metrics, const QRectF &box,
              Qt::Alignment across, const QString &text)
{
    qreal left = box.left();
    if (across & (Qt::AlignRight | Qt::AlignHCenter)) {
        const qreal room = box.width() - metrics.horizontalAdvance(text);
        left += across & Qt::AlignRight ? room : room / 2;
    }
    const qreal baseline = box.top() + (box.height() - metrics.height()) / 2 + metrics.ascent();
    painter.drawText(QPointF(left, baseline), text);
}

qreal total(const QList<qreal> &widths)
{
    return std::accumulate(widths.cbegin(), widths.cend(), qreal(0));
}

} // namespace

ListPrintLayout::ListPrintLayout(const PrintData &data, QDateTime printedAt)
    : m_data(data)
    , m_printedAt(std::move(printedAt))
{ }

QFont ListPrintLayout::font(qreal points)
{
    const QStringList installed = QFontDatabase::families();
    QFont chosen;
    for (const QString &family : kChineseFamilies) {
        if (installed.contains(family)) {
            chosen = QFont(family);
            break;
        }
    }
    chosen.setPointSizeF(points);
    return chosen;
}

QList<QStringList> ListPrintLayout::sampleRows(QString &sMsg) const
{
    QList<QStringList> sample;
    if (!m_data.rows || !m_data.rows->rewind(sMsg))
        return sample;
    while (sample.size() < kMeasuredRows) {
        QList<QStringList> batch;
        if (!m_data.rows->next(batch, sMsg))
            return {};
        if (batch.isEmpty())
            break;
        sample += batch.mid(0, kMeasuredRows - sample.size());
    }
    return sample;
}

// A column wants the room of its widest measured value, of its caption on captionLines lines
// and of the width the user gave it on screen, within a fixed share of the page.
QList<qreal> ListPrintLayout::wantedWidths(const QFontMetricsF &metrics, const QFontMetricsF &bold,
                                           const QList<QStringList> &sample, qreal maxWidth,
                                           int captionLines) const
{
    const qreal padding = 2 * kCellPadding * metrics.height();
    const qreal scale = metrics.height() / QFontMetricsF(font(kLargestPoints)).height();
    const qreal minWidth = metrics.horizontalAdvance(QStringLiteral("0000")) + padding;
    QList<qreal> widths;
    for (int column = 0; column < m_data.columns.size(); ++column) {
        const PrintColumn &printed = m_data.columns.at(column);
        qreal content = 0;
        if (printed.kind == PrintColumnKind::Flag) {
            content = metrics.horizontalAdvance(kTick);
        } else {
            for (const QStringList &row : sample)
                content =
                    std::max(content, metrics.horizontalAdvance(printable(row.value(column))));
        }
        const qreal caption = captionWidth(bold, printed.caption, captionLines);
        const qreal screen = printed.gridWidth * scale * metrics.fontDpi() / kScreenDpi;
        const qreal wanted = std::max({ content, caption, std::min(screen, content * 2) });
        widths.append(std::clamp(wanted + padding, minWidth, maxWidth));
    }
    return widths;
}

// Columns for pages across: each page starts with the repeated columns and takes the others
// in their order while they fit.
QList<QList<int>> ListPrintLayout::spreadAcross(const QList<PrintColumn> &columns,
                                                const QList<qreal> &widths, qreal pageWidth)
{
    QList<int> repeated;
    qreal repeatedWidth = 0;
    for (int column = 0; column < columns.size(); ++column) {
        if (columns.at(column).repeated) {
            repeated.append(column);
            repeatedWidth += widths.at(column);
        }
    }
    QList<QList<int>> pages;
    QList<int> page = repeated;
    qreal used = repeatedWidth;
    for (int column = 0; column < columns.size(); ++column) {
        if (columns.at(column).repeated)
            continue;
        if (page.size() > repeated.size() && used + widths.at(column) > pageWidth) {
            pages.append(page);
            page = repeated;
            used = repeatedWidth;
        }
        page.append(column);
        used += widths.at(column);
    }
    if (page.size() > repeated.size() || pages.isEmpty())
        pages.append(page);
    return pages;
}

int ListPrintLayout::linesNeeded(const QFontMetricsF &metrics, const QList<qreal> &widths,
                                 const QList<int> &columns, const QStringList &cells) const
{
    const qreal padding = 2 * kCellPadding * metrics.height();
    for (const int column : columns) {
        if (m_data.columns.at(column).kind == PrintColumnKind::Flag)
            continue;
        if (metrics.horizontalAdvance(printable(cells.value(column))) > widths.at(column) - padding)
            return kMostLines;
    }
    return 1;
}

bool ListPrintLayout::plan(QPagedPaintDevice &device, Plan &plan, QString &sMsg) const
{
    QPainter painter(&device);
    if (!painter.isActive()) {
        sMsg = QStringLiteral("the printer or file cannot be drawn on.");
        return false;
    }
    return planOn(painter, QRectF(0, 0, device.width(), device.height()), plan, sMsg);
}

bool ListPrintLayout::planOn(QPainter &painter, const QRectF &page, Plan &plan, QString &sMsg) const
{
    sMsg.clear();
    const QList<QStringList> sample = sampleRows(sMsg);
    if (!sMsg.isEmpty())
        return false;
    const auto measure = [&](qreal points, QList<qreal> &widths, int captionLines) {
        QFont bold = font(points);
        bold.setBold(true);
        widths = wantedWidths(QFontMetricsF(font(points), painter.device()),
                              QFontMetricsF(bold, painter.device()), sample, page.width() / 3,
                              captionLines);
    };
    plan.widths.clear();
    for (qreal points = kLargestPoints; points >= kSmallestPoints; points -= kPointStep) {
        // Captions on one line when the page has the room, else on two.
        QList<qreal> widths;
        measure(points, widths, 1);
        if (total(widths) > page.width())
            measure(points, widths, kMostLines);
        if (total(widths) <= page.width()) {
            plan.fontPoints = points;
            plan.widths = widths;
            plan.columnPages = { QList<int>(widths.size()) };
            std::iota(plan.columnPages.front().begin(), plan.columnPages.front().end(), 0);
            break;
        }
    }
    if (plan.widths.isEmpty()) {
        plan.fontPoints = kAcrossPoints;
        // Pages across have room for whole captions.
        measure(kAcrossPoints, plan.widths, 1);
        plan.columnPages = spreadAcross(m_data.columns, plan.widths, page.width());
    }
    plan.pageWidths.clear();
    for (const QList<int> &columns : std::as_const(plan.columnPages)) {
        qreal used = 0;
        for (const int column : columns)
            used += plan.widths.at(column);
        // Each page across is filled, unless that would blow a few columns up.
        const qreal stretch =
            std::clamp(page.width() / std::max<qreal>(used, 1), qreal(1), kMostStretch);
        QList<qreal> widths = plan.widths;
        for (const int column : columns)
            widths[column] *= stretch;
        plan.pageWidths.append(widths);
    }

    QFont bold = font(plan.fontPoints);
    bold.setBold(true);
    const QFontMetricsF metrics(font(plan.fontPoints), painter.device());
    plan.lineHeight = metrics.lineSpacing();
    plan.captionLines = 1;
    plan.rowLines = 1;
    for (int across = 0; across < plan.columnPages.size(); ++across) {
        const QList<qreal> &widths = plan.pageWidths.at(across);
        const QList<int> &columns = plan.columnPages.at(across);
        plan.captionLines = std::max(
            plan.captionLines,
            linesNeeded(QFontMetricsF(bold, painter.device()), widths, columns, m_data.captions()));
        for (const QStringList &row : sample)
            plan.rowLines = std::max(plan.rowLines, linesNeeded(metrics, widths, columns, row));
    }

    const qreal padding = 2 * kCellPadding * plan.lineHeight;
    const qreal rowHeight = plan.rowLines * plan.lineHeight + padding;
    const qreal captionHeight = plan.captionLines * plan.lineHeight + padding;
    const qreal body = page.height() - kFootLines * plan.lineHeight - captionHeight;
    plan.rowsPerPage = std::max(1, int(body / rowHeight));
    plan.rowsOnFirstPage = std::max(1, int((body - kHeadLines * plan.lineHeight) / rowHeight));
    const qint64 rows = m_data.rowCount();
    const qint64 bands = rows <= plan.rowsOnFirstPage
        ? 1
        : 1 + (rows - plan.rowsOnFirstPage + plan.rowsPerPage - 1) / plan.rowsPerPage;
    plan.pageCount = int(bands * plan.columnPages.size());
    return true;
}

void ListPrintLayout::paintHead(QPainter &painter, const QRectF &page, const Plan &plan) const
{
    const QFont body = painter.font();
    QFont title = font(plan.fontPoints * kTitleScale);
    title.setBold(true);
    painter.setFont(title);
    painter.drawText(QRectF(0, 0, page.width(), 2 * plan.lineHeight), Qt::AlignCenter,
                     m_data.title);
    painter.setFont(body);
    painter.drawText(QRectF(0, 2 * plan.lineHeight, page.width(), plan.lineHeight),
                     Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("%1    %2").arg(m_data.accountId, m_data.userName));
}

void ListPrintLayout::paintFoot(QPainter &painter, const QRectF &page, const Plan &plan,
                                int number) const
{
    const QRectF foot(0, page.height() - plan.lineHeight, page.width(), plan.lineHeight);
    painter.drawText(foot, Qt::AlignLeft | Qt::AlignVCenter,
                     m_printedAt.toString(QStringLiteral("yyyy-MM-dd HH:mm")));
    painter.drawText(foot, Qt::AlignCenter,
                     QStringLiteral("%1 / %2").arg(number).arg(std::max(number, plan.pageCount)));
}

qreal ListPrintLayout::paintRow(QPainter &painter, const Plan &plan, const QList<qreal> &widths,
                                const QList<int> &columns, const QStringList &cells, qreal top,
                                int lines, bool caption) const
{
    QFont face = font(plan.fontPoints);
    face.setBold(caption);
    painter.setFont(face);
    const QFontMetricsF metrics(face, painter.device());
    const qreal padding = kCellPadding * plan.lineHeight;
    const qreal height = lines * plan.lineHeight + 2 * padding;
    qreal right = 0;
    for (const int column : columns)
        right += widths.at(column);
    if (caption)
        painter.fillRect(QRectF(0, top, right, height), QColor(235, 235, 235));
    qreal left = 0;
    for (const int column : columns) {
        const PrintColumn &printed = m_data.columns.at(column);
        const QRectF inner = QRectF(left, top, widths.at(column), height)
                                 .adjusted(padding, padding, -padding, -padding);
        left += widths.at(column);
        const QString text = printable(cells.value(column));
        if (text.isEmpty())
            continue;
        if (!caption && printed.kind == PrintColumnKind::Flag) {
            if (isSet(text))
                drawLine(painter, metrics,
                         QRectF(inner.left(), inner.top(), inner.width(), plan.lineHeight),
                         Qt::AlignHCenter, kTick);
            continue;
        }
        const Qt::Alignment across =
            !caption && printed.kind == PrintColumnKind::Number ? Qt::AlignRight : Qt::AlignLeft;
        const QStringList shown = wrapped(metrics, text, inner.width(), lines);
        for (int line = 0; line < shown.size(); ++line)
            drawLine(painter, metrics,
                     QRectF(inner.left(), inner.top() + line * plan.lineHeight, inner.width(),
                            plan.lineHeight),
                     across, shown.at(line));
    }
    painter.drawLine(QLineF(0, top + height, right, top + height));
    return top + height;
}

int ListPrintLayout::paint(QPagedPaintDevice &device, const PrintProgress &progress,
                           QString &sMsg) const
{
    QPainter painter(&device);
    if (!painter.isActive()) {
        sMsg = QStringLiteral("the printer or file cannot be drawn on.");
        return 0;
    }
    const QRectF page(0, 0, device.width(), device.height());
    Plan plan;
    if (!planOn(painter, page, plan, sMsg) || !m_data.rows->rewind(sMsg))
        return 0;
    const qreal headHeight = kHeadLines * plan.lineHeight;
    const QStringList captions = m_data.captions();
    QList<QStringList> pending;
    bool exhausted = false;
    qint64 done = 0;
    int number = 0;
    for (int band = 0;; ++band) {
        const int capacity = band == 0 ? plan.rowsOnFirstPage : plan.rowsPerPage;
        while (pending.size() < capacity && !exhausted) {
            QList<QStringList> batch;
            if (!m_data.rows->next(batch, sMsg))
                return 0;
            exhausted = batch.isEmpty();
            pending += batch;
        }
        if (band > 0 && pending.isEmpty())
            break;
        const QList<QStringList> rows = pending.mid(0, capacity);
        pending.remove(0, rows.size());
        for (int across = 0; across < plan.columnPages.size(); ++across) {
            const QList<int> &columns = plan.columnPages.at(across);
            const QList<qreal> &widths = plan.pageWidths.at(across);
            if (number++ > 0)
                device.newPage();
            const qreal tableTop = band == 0 ? headHeight : 0;
            if (number == 1)
                paintHead(painter, page, plan);
            painter.setPen(QPen(Qt::black, 0));
            qreal top = paintRow(painter, plan, widths, columns, captions, tableTop,
                                 plan.captionLines, true);
            for (const QStringList &row : rows)
                top = paintRow(painter, plan, widths, columns, row, top, plan.rowLines, false);
            qreal left = 0;
            painter.drawLine(QLineF(left, tableTop, left, top));
            for (const int column : columns) {
                left += widths.at(column);
                painter.drawLine(QLineF(left, tableTop, left, top));
            }
            painter.drawLine(QLineF(0, tableTop, left, tableTop));
            painter.setFont(font(plan.fontPoints));
            paintFoot(painter, page, plan, number);
        }
        done += rows.size();
        if (progress && !progress(done, std::max(done, m_data.rowCount()))) {
            sMsg.clear();
            return -1;
        }
        if (exhausted && pending.isEmpty())
            break;
    }
    return number;
}

} // namespace suite

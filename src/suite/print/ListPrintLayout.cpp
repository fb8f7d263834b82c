#include "suite/print/ListPrintLayout.h"

#include "suite/print/ReportFont.h"
#include "suite/print/ReportSurface.h"

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
constexpr qreal kPointsPerScreenPixel = 72.0 / 96;
constexpr qreal kCellPadding = 0.3; // of a line, on each side of a cell's text
constexpr int kMostLines = 2;
// The first page's title, company and user; every page's foot.
constexpr qreal kHeadLines = 4;
constexpr qreal kFootLines = 2;
constexpr qreal kTitleScale = 1.6;
constexpr qreal kMostStretch = 2;

const QString kTick = QStringLiteral("✓");
const QString kEllipsis = QStringLiteral("…");
const QColor kCaptionShade(235, 235, 235);

// The report font at one size.
struct Sized
{
    const ReportFont &font;
    qreal points;

    qreal width(QStringView text) const { return font.width(text, points); }
    qreal width(QChar c) const { return font.width(c, points); }
    qreal height() const { return font.height(points); }
    qreal ascent() const { return font.ascent(points); }
};

bool isSet(const QString &flag)
{
    const QString value = flag.trimmed().toLower();
    return value == u"1" || value == u"-1" || value == u"true";
}

bool isBreakOrTab(QChar c)
{
    return c == u'\r' || c == u'\n' || c == u'\t';
}

// Line breaks and tabs inside a value print as blanks: a cell's lines are the layout's. Most
// values have none and are handed on without a copy.
QString printable(const QString &text)
{
    if (std::none_of(text.cbegin(), text.cend(), isBreakOrTab))
        return text;
    QString blanked = text;
    std::replace_if(blanked.begin(), blanked.end(), isBreakOrTab, QChar(u' '));
    return blanked;
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
qreal captionWidth(const Sized &metrics, const QString &caption, int lines)
{
    qreal best = metrics.width(caption);
    if (lines < 2)
        return best;
    for (qsizetype cut = 1; cut < caption.size(); ++cut) {
        if (!breaksBetween(caption.at(cut - 1), caption.at(cut)))
            continue;
        best = std::min(best,
                        std::max(metrics.width(QStringView(caption).left(cut)),
                                 metrics.width(QStringView(caption).mid(cut).trimmed())));
    }
    return best;
}

// The characters of text that fit in width, counted from its start.
qsizetype fitting(const Sized &metrics, QStringView text, qreal width)
{
    qsizetype fit = 0;
    qreal advance = 0;
    while (fit < text.size()) {
        advance += metrics.width(text.at(fit));
        if (advance > width)
            break;
        ++fit;
    }
    if (fit > 0 && fit < text.size() && text.at(fit - 1).isHighSurrogate())
        --fit;
    return fit;
}

// The text as it fits in width: whole, or cut with an ellipsis.
QString elided(const Sized &metrics, const QString &text, qreal width)
{
    if (metrics.width(text) <= width)
        return text;
    return text.left(fitting(metrics, text, width - metrics.width(kEllipsis))) + kEllipsis;
}

// The text broken into at most maxLines lines of width, where a line may break and after a
// blank where there is one; what does not fit the last line is cut with an ellipsis.
QStringList wrapped(const Sized &metrics, const QString &text, qreal width, int maxLines)
{
    if (maxLines <= 1 || metrics.width(text) <= width)
        return { elided(metrics, text, width) };
    QStringList lines;
    QString rest = text;
    while (lines.size() < maxLines - 1 && metrics.width(rest) > width) {
        const qsizetype fit = std::max<qsizetype>(fitting(metrics, rest, width), 1);
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
    lines.append(elided(metrics, rest, width));
    return lines;
}

// One line of text in its box, on a baseline that centres the font's height in the box.
void placeLine(ReportSurface &surface, const Sized &metrics, const QRectF &box,
               Qt::Alignment across, const QString &text, bool bold)
{
    qreal left = box.left();
    if (across & (Qt::AlignRight | Qt::AlignHCenter)) {
        const qreal room = box.width() - metrics.width(text);
        left += across & Qt::AlignRight ? room : room / 2;
    }
    const qreal baseline = box.top() + (box.height() - metrics.height()) / 2 + metrics.ascent();
    surface.text(QPointF(left, baseline), text, metrics.points, bold);
}

qreal total(const QList<qreal> &widths)
{
    return std::accumulate(widths.cbegin(), widths.cend(), qreal(0));
}

} // namespace

ListPrintLayout::ListPrintLayout(const PrintData &data, const ReportFont &font, QDateTime printedAt)
    : m_data(data)
    , m_font(font)
    , m_printedAt(std::move(printedAt))
{ }

ListPrintLayout::ListPrintLayout(const PrintData &data)
    : ListPrintLayout(data, ReportFont::standard())
{ }

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
QList<qreal> ListPrintLayout::wantedWidths(qreal points, const QList<QStringList> &sample,
                                           qreal maxWidth, int captionLines) const
{
    const Sized metrics{ m_font, points };
    const qreal padding = 2 * kCellPadding * metrics.height();
    const qreal scale = points / kLargestPoints * kPointsPerScreenPixel;
    const qreal minWidth = metrics.width(u"0000") + padding;
    QList<qreal> widths;
    for (int column = 0; column < m_data.columns.size(); ++column) {
        const PrintColumn &printed = m_data.columns.at(column);
        qreal content = 0;
        if (printed.kind == PrintColumnKind::Flag) {
            content = metrics.width(kTick);
        } else {
            for (const QStringList &row : sample)
                content = std::max(content, metrics.width(printable(row.value(column))));
        }
        const qreal caption = captionWidth(metrics, printed.caption, captionLines);
        const qreal screen = printed.gridWidth * scale;
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

int ListPrintLayout::linesNeeded(qreal points, const QList<qreal> &widths,
                                 const QList<int> &columns, const QStringList &cells) const
{
    const Sized metrics{ m_font, points };
    const qreal padding = 2 * kCellPadding * metrics.height();
    for (const int column : columns) {
        if (m_data.columns.at(column).kind == PrintColumnKind::Flag)
            continue;
        if (metrics.width(printable(cells.value(column))) > widths.at(column) - padding)
            return kMostLines;
    }
    return 1;
}

// The size, the widths and the pages across: the largest size at which all columns fit one
// page, else pages across; each page across is then filled, unless that would blow a few
// columns up.
void ListPrintLayout::fitColumns(const QSizeF &page, const QList<QStringList> &sample,
                                 Plan &plan) const
{
    const qreal maxWidth = page.width() / 3;
    plan.widths.clear();
    for (qreal points = kLargestPoints; points >= kSmallestPoints; points -= kPointStep) {
        // Captions on one line when the page has the room, else on two.
        QList<qreal> widths = wantedWidths(points, sample, maxWidth, 1);
        if (total(widths) > page.width())
            widths = wantedWidths(points, sample, maxWidth, kMostLines);
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
        plan.widths = wantedWidths(kAcrossPoints, sample, maxWidth, 1);
        plan.columnPages = spreadAcross(m_data.columns, plan.widths, page.width());
    }
    plan.pageWidths.clear();
    for (const QList<int> &columns : std::as_const(plan.columnPages)) {
        qreal used = 0;
        for (const int column : columns)
            used += plan.widths.at(column);
        const qreal stretch =
            std::clamp(page.width() / std::max<qreal>(used, 1), qreal(1), kMostStretch);
        QList<qreal> widths = plan.widths;
        for (const int column : columns)
            widths[column] *= stretch;
        plan.pageWidths.append(widths);
    }
}

bool ListPrintLayout::plan(const QSizeF &page, Plan &plan, QString &sMsg) const
{
    sMsg.clear();
    if (!m_font.isValid()) {
        sMsg = QStringLiteral("no TrueType font with Chinese characters is installed "
                              "(fonts-wqy-microhei).");
        return false;
    }
    const QList<QStringList> sample = sampleRows(sMsg);
    if (!sMsg.isEmpty())
        return false;
    fitColumns(page, sample, plan);

    plan.lineHeight = m_font.lineSpacing(plan.fontPoints);
    plan.captionLines = 1;
    plan.rowLines = 1;
    for (int across = 0; across < plan.columnPages.size(); ++across) {
        const QList<qreal> &widths = plan.pageWidths.at(across);
        const QList<int> &columns = plan.columnPages.at(across);
        plan.captionLines = std::max(
            plan.captionLines, linesNeeded(plan.fontPoints, widths, columns, m_data.captions()));
        for (const QStringList &row : sample)
            plan.rowLines =
                std::max(plan.rowLines, linesNeeded(plan.fontPoints, widths, columns, row));
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

void ListPrintLayout::paintHead(ReportSurface &surface, const QSizeF &page, const Plan &plan) const
{
    placeLine(surface, Sized{ m_font, plan.fontPoints * kTitleScale },
              QRectF(0, 0, page.width(), 2 * plan.lineHeight), Qt::AlignHCenter, m_data.title,
              true);
    placeLine(surface, Sized{ m_font, plan.fontPoints },
              QRectF(0, 2 * plan.lineHeight, page.width(), plan.lineHeight), Qt::AlignLeft,
              QStringLiteral("%1    %2").arg(m_data.accountId, m_data.userName), false);
}

void ListPrintLayout::paintFoot(ReportSurface &surface, const QSizeF &page, const Plan &plan,
                                int number) const
{
    const Sized metrics{ m_font, plan.fontPoints };
    const QRectF foot(0, page.height() - plan.lineHeight, page.width(), plan.lineHeight);
    placeLine(surface, metrics, foot, Qt::AlignLeft,
              m_printedAt.toString(QStringLiteral("yyyy-MM-dd HH:mm")), false);
    placeLine(surface, metrics, foot, Qt::AlignHCenter,
              QStringLiteral("%1 / %2").arg(number).arg(std::max(number, plan.pageCount)), false);
}

qreal ListPrintLayout::paintRow(ReportSurface &surface, const Plan &plan,
                                const QList<qreal> &widths, const QList<int> &columns,
                                const QStringList &cells, qreal top, int lines, bool caption) const
{
    const Sized metrics{ m_font, plan.fontPoints };
    const qreal padding = kCellPadding * plan.lineHeight;
    const qreal height = lines * plan.lineHeight + 2 * padding;
    qreal right = 0;
    for (const int column : columns)
        right += widths.at(column);
    if (caption)
        surface.fillRect(QRectF(0, top, right, height), kCaptionShade);
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
                placeLine(surface, metrics,
                          QRectF(inner.left(), inner.top(), inner.width(), plan.lineHeight),
                          Qt::AlignHCenter, kTick, false);
            continue;
        }
        const Qt::Alignment across =
            !caption && printed.kind == PrintColumnKind::Number ? Qt::AlignRight : Qt::AlignLeft;
        const QStringList shown = wrapped(metrics, text, inner.width(), lines);
        for (int line = 0; line < shown.size(); ++line)
            placeLine(surface, metrics,
                      QRectF(inner.left(), inner.top() + line * plan.lineHeight, inner.width(),
                             plan.lineHeight),
                      across, shown.at(line), caption);
    }
    surface.line(QPointF(0, top + height), QPointF(right, top + height));
    return top + height;
}

// The rules between the columns and above the header row.
void ListPrintLayout::paintGrid(ReportSurface &surface, const QList<qreal> &widths,
                                const QList<int> &columns, qreal top, qreal bottom) const
{
    qreal left = 0;
    surface.line(QPointF(left, top), QPointF(left, bottom));
    for (const int column : columns) {
        left += widths.at(column);
        surface.line(QPointF(left, top), QPointF(left, bottom));
    }
    surface.line(QPointF(0, top), QPointF(left, top));
}

int ListPrintLayout::paint(ReportSurface &surface, const PrintProgress &progress,
                           QString &sMsg) const
{
    const QSizeF page = surface.pageSize();
    Plan plan;
    if (!this->plan(page, plan, sMsg) || !m_data.rows->rewind(sMsg))
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
            if (!surface.beginPage(sMsg))
                return 0;
            ++number;
            const qreal tableTop = band == 0 ? headHeight : 0;
            if (number == 1)
                paintHead(surface, page, plan);
            qreal top = paintRow(surface, plan, widths, columns, captions, tableTop,
                                 plan.captionLines, true);
            for (const QStringList &row : rows)
                top = paintRow(surface, plan, widths, columns, row, top, plan.rowLines, false);
            paintGrid(surface, widths, columns, tableTop, top);
            paintFoot(surface, page, plan, number);
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

#include "suite/print/ListPrintLayout.h"

#include "suite/print/PrintData.h"

#include <QFontDatabase>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>

namespace suite {

namespace {

// Rows measured for the column widths: enough to see what a column holds, without measuring
// a whole list.
constexpr int kMeasuredRows = 200;
constexpr qreal kCellPadding = 0.4; // of a line height, left and right

const QStringList kChineseFamilies{ QStringLiteral("WenQuanYi Micro Hei"),
                                    QStringLiteral("Noto Sans CJK SC"),
                                    QStringLiteral("Noto Sans SC") };

} // namespace

ListPrintLayout::ListPrintLayout(const PrintData &data)
    : m_data(data)
{ }

QFont ListPrintLayout::font()
{
    const QStringList installed = QFontDatabase::families();
    for (const QString &family : kChineseFamilies) {
        if (installed.contains(family))
            return QFont(family, 9);
    }
    QFont fallback;
    fallback.setPointSize(9);
    return fallback;
}

QList<qreal> ListPrintLayout::columnWidths(const QPainter &painter, qreal pageWidth) const
{
    const QFontMetricsF metrics(painter.font(), painter.device());
    const qreal padding = 2 * kCellPadding * metrics.height();
    QList<qreal> widths;
    for (int column = 0; column < m_data.headers.size(); ++column) {
        qreal width = metrics.horizontalAdvance(m_data.headers.at(column));
        const int measured = std::min<int>(m_data.rows.size(), kMeasuredRows);
        for (int row = 0; row < measured; ++row)
            width = std::max(width, metrics.horizontalAdvance(m_data.rows.at(row).value(column)));
        widths.append(width + padding);
    }
    qreal total = 0;
    for (const qreal width : widths)
        total += width;
    if (total > pageWidth) {
        for (qreal &width : widths)
            width *= pageWidth / total;
    }
    return widths;
}

void ListPrintLayout::paintRow(QPainter &painter, const QStringList &cells,
                               const QList<qreal> &widths, qreal top, qreal height) const
{
    const QFontMetricsF metrics(painter.font(), painter.device());
    const qreal padding = kCellPadding * metrics.height();
    qreal left = 0;
    for (int column = 0; column < widths.size(); ++column) {
        const QRectF cell(left, top, widths.at(column), height);
        const QString text = metrics.elidedText(cells.value(column), Qt::ElideRight,
                                                std::max<qreal>(0, cell.width() - 2 * padding));
        painter.drawText(cell.adjusted(padding, 0, -padding, 0), Qt::AlignLeft | Qt::AlignVCenter,
                         text);
        left += widths.at(column);
    }
    painter.drawLine(QLineF(0, top + height, left, top + height));
}

// The grid of a page drawn once, not cell by cell: the PDF stays small and quick to write.
void ListPrintLayout::paintRules(QPainter &painter, const QList<qreal> &widths, qreal top,
                                 qreal bottom) const
{
    qreal left = 0;
    painter.drawLine(QLineF(left, top, left, bottom));
    for (const qreal width : widths) {
        left += width;
        painter.drawLine(QLineF(left, top, left, bottom));
    }
    painter.drawLine(QLineF(0, top, left, top));
}

int ListPrintLayout::paint(QPagedPaintDevice &device) const
{
    QPainter painter(&device);
    if (!painter.isActive())
        return 0;
    painter.setFont(font());
    const QRectF page(QPointF(0, 0), QSizeF(device.width(), device.height()));
    const qreal line = QFontMetricsF(painter.font(), &device).height() * 1.5;
    const QList<qreal> widths = columnWidths(painter, page.width());

    QFont titleFont = painter.font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.6);
    titleFont.setBold(true);
    const QFont bodyFont = painter.font();
    painter.setFont(titleFont);
    painter.drawText(QRectF(0, 0, page.width(), 2 * line), Qt::AlignCenter, m_data.title);
    painter.setFont(bodyFont);
    painter.drawText(QRectF(0, 2 * line, page.width(), line), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("%1  %2").arg(m_data.accountId, m_data.userName));

    int pages = 1;
    qreal tableTop = 3 * line;
    qreal top = tableTop;
    const qreal bottom = page.height() - line;
    auto endPage = [&] {
        paintRules(painter, widths, tableTop, top);
        painter.drawText(QRectF(0, bottom, page.width(), line), Qt::AlignCenter,
                         QString::number(pages));
    };
    paintRow(painter, m_data.headers, widths, top, line);
    top += line;
    for (const QStringList &row : m_data.rows) {
        if (top + line > bottom) {
            endPage();
            device.newPage();
            ++pages;
            tableTop = top = 0;
            paintRow(painter, m_data.headers, widths, top, line);
            top += line;
        }
        paintRow(painter, row, widths, top, line);
        top += line;
    }
    endPage();
    return pages;
}

} // namespace suite

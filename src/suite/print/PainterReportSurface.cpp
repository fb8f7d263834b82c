#include "suite/print/PainterReportSurface.h"

#include "suite/print/ReportFont.h"

#include <QPagedPaintDevice>

namespace suite {

namespace {

constexpr qreal kPointsPerInch = 72;

} // namespace

PainterReportSurface::PainterReportSurface(QPagedPaintDevice &device, const ReportFont &font)
    : m_device(device)
    , m_font(font)
    , m_scale(device.logicalDpiX() / kPointsPerInch)
{ }

QSizeF PainterReportSurface::pageSize() const
{
    return QSizeF(m_device.width(), m_device.height()) / m_scale;
}

bool PainterReportSurface::beginPage(QString &sMsg)
{
    if (!m_started) {
        m_started = true;
        if (!m_painter.begin(&m_device)) {
            sMsg = QStringLiteral("the printer or file cannot be drawn on.");
            return false;
        }
        m_painter.setPen(QPen(Qt::black, 0));
        return true;
    }
    if (!m_painter.isActive() || !m_device.newPage()) {
        sMsg = QStringLiteral("the printer took no further page.");
        return false;
    }
    return true;
}

void PainterReportSurface::text(const QPointF &baseline, QStringView text, qreal points, bool bold)
{
    if (points != m_points || bold != m_bold) {
        m_points = points;
        m_bold = bold;
        m_painter.setFont(m_font.font(points, bold));
    }
    m_painter.drawText(onDevice(baseline), text.toString());
}

void PainterReportSurface::line(const QPointF &from, const QPointF &to)
{
    m_painter.drawLine(QLineF(onDevice(from), onDevice(to)));
}

void PainterReportSurface::fillRect(const QRectF &rect, const QColor &color)
{
    m_painter.fillRect(QRectF(onDevice(rect.topLeft()), rect.size() * m_scale), color);
}

} // namespace suite

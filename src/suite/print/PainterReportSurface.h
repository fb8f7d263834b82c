#pragma once

#include "suite/print/ReportSurface.h"

#include <QPainter>

class QPagedPaintDevice;

namespace suite {

class ReportFont;

// A report on a printer or a print preview, drawn through QPainter in the device's units.
class PainterReportSurface : public ReportSurface
{
public:
    PainterReportSurface(QPagedPaintDevice &device, const ReportFont &font);

    QSizeF pageSize() const override;
    bool beginPage(QString &sMsg) override;
    void text(const QPointF &baseline, QStringView text, qreal points, bool bold) override;
    void line(const QPointF &from, const QPointF &to) override;
    void fillRect(const QRectF &rect, const QColor &color) override;

private:
    QPointF onDevice(const QPointF &point) const { return point * m_scale; }

    QPagedPaintDevice &m_device;
    const ReportFont &m_font;
    QPainter m_painter;
    qreal m_scale; // device units per point
    bool m_started = false;
    // The font set last: a report changes it seldom.
    qreal m_points = 0;
    bool m_bold = false;
};

} // namespace suite

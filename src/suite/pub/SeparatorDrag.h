#pragma once

#include <QPointer>
#include <QWidget>

namespace suite {

// A drag of the separator between a list window's tree and grid, from mouse down to mouse up.
// Mouse positions are in the separator's own coordinates, which move with it, so the point
// first grabbed stays under the mouse.
class SeparatorDrag
{
public:
    void begin(QWidget *separator, int x);
    bool isDragging(const QWidget *separator) const;
    // The separator's left edge that keeps the grabbed point under the mouse at x.
    int leftFor(int x) const;
    void end();

private:
    QPointer<QWidget> m_separator;
    int m_grabX = 0;
};

} // namespace suite

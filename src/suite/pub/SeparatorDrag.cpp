#include "suite/pub/SeparatorDrag.h"

namespace suite {

void SeparatorDrag::begin(QWidget *separator, int x)
{
    m_separator = separator;
    m_grabX = x;
}

bool SeparatorDrag::isDragging(const QWidget *separator) const
{
    return m_separator && m_separator == separator;
}

int SeparatorDrag::leftFor(int x) const
{
    return m_separator ? m_separator->x() + x - m_grabX : 0;
}

void SeparatorDrag::end()
{
    m_separator.clear();
}

} // namespace suite

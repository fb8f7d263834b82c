#include "suite/controls/DateCalendarPopup.h"

#include <QCalendarWidget>
#include <QVBoxLayout>

namespace suite {

DateCalendarPopup::DateCalendarPopup(QWidget *parent)
    : QDialog(parent, Qt::Popup)
    , m_calendar(new QCalendarWidget(this))
{
    setObjectName(QStringLiteral("FrmFindCtl"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->addWidget(m_calendar);
    m_calendar->setGridVisible(true);
    connect(m_calendar, &QCalendarWidget::activated, this, &QDialog::accept);
    connect(m_calendar, &QCalendarWidget::clicked, this, &QDialog::accept);
}

void DateCalendarPopup::setDate(const QDate &date)
{
    m_calendar->setSelectedDate(date.isValid() ? date : QDate::currentDate());
}

QDate DateCalendarPopup::date() const
{
    return m_calendar->selectedDate();
}

QPoint popupPositionBeside(const QRect &field, const QSize &popup, const QRect &screen, int gap,
                           int margin)
{
    const int below = field.bottom() + 1 + gap;
    const bool roomBelow = below + popup.height() + margin <= screen.bottom() + 1;
    return { field.left(), roomBelow ? below : field.top() - popup.height() };
}

} // namespace suite

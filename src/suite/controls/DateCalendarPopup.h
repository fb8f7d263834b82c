#pragma once

#include <QDate>
#include <QDialog>

class QCalendarWidget;

namespace suite {

// The suite's date pop-up ("FrmFindCtl"): a calendar beside a date field. A click or Enter on
// a day picks it and closes the pop-up accepted; Esc or a click outside closes it rejected.
class DateCalendarPopup : public QDialog
{
    Q_OBJECT

public:
    explicit DateCalendarPopup(QWidget *parent = nullptr);

    // The day the calendar starts on; an invalid date starts on today.
    void setDate(const QDate &date);
    // The day picked, or the one the calendar stands on.
    QDate date() const;
    QCalendarWidget *calendar() const { return m_calendar; }

private:
    QCalendarWidget *m_calendar;
};

// Where a pop-up goes beside a field, all in screen pixels: at the field's left edge, gap below
// its bottom, or right above the field when the pop-up, the gap and the margin do not fit below
// it on the screen.
QPoint popupPositionBeside(const QRect &field, const QSize &popup, const QRect &screen, int gap,
                           int margin);

} // namespace suite

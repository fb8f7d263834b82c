#pragma once

#include <QWidget>

namespace suite {

// A spinner beside a text box: two arrow buttons that report up and down clicks. The window
// that owns it steps the text box and keeps the value within Min and Max, so the limits here
// are settings it reads back.
class UpDown : public QWidget
{
    Q_OBJECT

public:
    explicit UpDown(QWidget *parent = nullptr);

    int Min() const { return m_min; }
    void setMin(int min) { m_min = min; }
    int Max() const { return m_max; }
    void setMax(int max) { m_max = max; }
    int Increment() const { return m_increment; }
    void setIncrement(int increment) { m_increment = increment; }

signals:
    void upClicked();
    void downClicked();

private:
    int m_min = 0;
    int m_max = 10;
    int m_increment = 1;
};

} // namespace suite

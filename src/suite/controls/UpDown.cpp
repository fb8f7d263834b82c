#include "suite/controls/UpDown.h"

#include <QToolButton>
#include <QVBoxLayout>

namespace suite {

namespace {

QToolButton *arrowButton(Qt::ArrowType arrow, QWidget *parent)
{
    auto *button = new QToolButton(parent);
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setFixedSize(16, 11);
    return button;
}

} // namespace

UpDown::UpDown(QWidget *parent)
    : QWidget(parent)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    QToolButton *up = arrowButton(Qt::UpArrow, this);
    QToolButton *down = arrowButton(Qt::DownArrow, this);
    layout->addWidget(up);
    layout->addWidget(down);
    connect(up, &QToolButton::clicked, this, &UpDown::upClicked);
    connect(down, &QToolButton::clicked, this, &UpDown::downClicked);
}

} // namespace suite

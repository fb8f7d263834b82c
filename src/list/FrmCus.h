#pragma once

#include "entry/ArchiveListWindow.h"

namespace customer {

// The customer list window: class tree, paged grid of the customers the user may see, and the
// commands that act on them.
class FrmCus : public ArchiveListWindow
{
    Q_OBJECT

public:
    explicit FrmCus(QWidget *parent = nullptr);
};

} // namespace customer

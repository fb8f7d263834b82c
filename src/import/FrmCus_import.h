#pragma once

#include "entry/ArchiveListWindow.h"

namespace customer {

// The import staging list: customers downloaded from the marketing service, waiting to be
// transferred into the archive.
class FrmCus_import : public ArchiveListWindow
{
    Q_OBJECT

public:
    explicit FrmCus_import(QWidget *parent = nullptr);
};

} // namespace customer

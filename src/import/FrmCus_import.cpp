#include "import/FrmCus_import.h"

namespace customer {

FrmCus_import::FrmCus_import(QWidget *parent)
    : ArchiveListWindow(parent)
{
    setObjectName(QStringLiteral("FrmCus_import"));
}

} // namespace customer

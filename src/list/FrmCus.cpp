#include "list/FrmCus.h"

namespace customer {

FrmCus::FrmCus(QWidget *parent)
    : ArchiveListWindow(parent)
{
    setObjectName(QStringLiteral("FrmCus"));
}

} // namespace customer

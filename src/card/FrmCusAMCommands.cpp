// The customer card's commands: save, delete, navigation through the list and the sub-record
// dialogs. Each leaves the card as it stands until its command is carried out here.
#include "card/FrmCusAM.h"

namespace customer {

bool FrmCusAM::SaveCard(const QString &)
{
    return false;
}

bool FrmCusAM::SaveRecord(const QString &)
{
    return false;
}

bool FrmCusAM::CheckAuthDims()
{
    return true;
}

void FrmCusAM::DeleteCard() { }

void FrmCusAM::MoveRecord(const QString &) { }

void FrmCusAM::ShowSubRecords(const QString &) { }

void FrmCusAM::ShowContacts() { }

} // namespace customer

#pragma once

#include <QString>

namespace suite {

// The login as the list windows hand it to the public service and keep it between calls: who
// works, in which company database and account year, on which date, in which language.
struct LoginRecord
{
    QString cUserId;
    QString cUserName;
    QString KvDbName;
    QString AuthString;
    QString CurDate;
    QString cAcc_id;
    QString LanguageRegion;
    QString cIYear;
};

} // namespace suite

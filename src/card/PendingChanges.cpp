#include "card/PendingChanges.h"

#include "suite/pub/IPub.h"
#include "suite/pub/MessageScript.h"

namespace customer {

namespace {

constexpr int kYesNoCancelQuestion = 3 + 32;

} // namespace

bool keepPendingChanges(suite::IPub &pub, const std::function<bool()> &save)
{
    const int answer =
        pub.MsgBox(pub.GetResString(QStringLiteral("Tarn.AA.ARCHIVE.COMMON.savechanges")),
                   kYesNoCancelQuestion,
                   pub.GetResString(QStringLiteral("Tarn.AA.ARCHIVE.COMMON.information")));
    if (answer == suite::MessageStyle::kNo)
        return false;
    if (answer == suite::MessageStyle::kYes)
        return !save();
    return true;
}

} // namespace customer

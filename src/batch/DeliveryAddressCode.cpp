#include "batch/DeliveryAddressCode.h"

namespace customer {

namespace {

constexpr int kCodeDigits = 4;

qlonglong positiveNumber(const QString &code)
{
    bool ok = false;
    const qlonglong number = code.trimmed().toLongLong(&ok);
    return ok && number > 0 ? number : 0;
}

} // namespace

DeliveryAddressCode nextDeliveryAddressCode(const QStringList &codesDescending)
{
    DeliveryAddressCode next{ QStringLiteral("0001"), codesDescending.isEmpty(), false };
    for (const QString &code : codesDescending) {
        const qlonglong number = positiveNumber(code);
        if (number == 0)
            continue;
        const QString digits = QString::number(number + 1);
        next.beyondFourDigits = digits.size() > kCodeDigits;
        next.code = next.beyondFourDigits ? digits : digits.rightJustified(kCodeDigits, u'0');
        break;
    }
    return next;
}

} // namespace customer

#pragma once

#include <QString>
#include <QVariant>

#include <optional>

namespace customer {

// What a plug-in tells the card through PlugInNotice; the event name compares in any case.
enum class PlugInNoticeKind {
    Save, // "Button_SAVE": the card has changes to save
    CreditGrade, // "cCusCreGrade": the credit grade is the event data
    CreditLine, // "iCusCreLine": the credit line is the event data
    Licenses, // "Licenses": the run-time licence of a control class the plug-in creates
    LicensesForClient, // "LicensesForClient": a licence the plug-in brings itself
    Unknown
};

PlugInNoticeKind plugInNoticeKind(const QString &eventName);

// The credit line a plug-in sets, as the card's field takes it; none when it is no number.
std::optional<QString> plugInCreditLine(const QVariant &eventData);

} // namespace customer

#include "card/PlugInNotices.h"

namespace customer {

PlugInNoticeKind plugInNoticeKind(const QString &eventName)
{
    const QString name = eventName.toLower();
    if (name == u"button_save")
        return PlugInNoticeKind::Save;
    if (name == u"ccuscregrade")
        return PlugInNoticeKind::CreditGrade;
    if (name == u"icuscreline")
        return PlugInNoticeKind::CreditLine;
    if (name == u"licenses")
        return PlugInNoticeKind::Licenses;
    if (name == u"licensesforclient")
        return PlugInNoticeKind::LicensesForClient;
    return PlugInNoticeKind::Unknown;
}

std::optional<QString> plugInCreditLine(const QVariant &eventData)
{
    const QString text = eventData.toString().trimmed();
    bool number = false;
    text.toDouble(&number);
    if (!number)
        return std::nullopt;
    return text;
}

} // namespace customer

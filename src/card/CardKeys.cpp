#include "card/CardKeys.h"

#include <QStringList>

namespace customer {

namespace {

constexpr int kAlt = 4;
enum Key { PageUp = 33, PageDown = 34, Escape = 27, F1 = 112, F6 = 117 };

QString moveCommand(int keyCode, int shift)
{
    const bool alt = shift & kAlt;
    if (keyCode == PageUp)
        return alt ? QStringLiteral("First") : QStringLiteral("Previous");
    return alt ? QStringLiteral("Last") : QStringLiteral("Next");
}

} // namespace

QString cardKeyCommand(int keyCode, int shift, const CardKeyState &state)
{
    if (state.viewOnly && keyCode != Escape && keyCode != F1)
        return {};
    switch (keyCode) {
    case PageUp:
    case PageDown:
        return !state.loading && state.openedFromList ? moveCommand(keyCode, shift) : QString();
    case F1:
        return state.web ? QString() : QStringLiteral("Help");
    case Escape:
        return state.exitEnabled ? QStringLiteral("Exit") : QString();
    case F6:
        if (shift & kAlt)
            return state.saveNewEnabled ? QStringLiteral("SaveRsNew") : QString();
        return state.saveEnabled ? QStringLiteral("SaveRs") : QString();
    default:
        return {};
    }
}

QString cardHelpContext(int tab)
{
    static const QStringList contexts = {
        QStringLiteral("CustomerBase"),    QStringLiteral("CustomerRelation"),
        QStringLiteral("CustomerCredit"),  QStringLiteral("CustomerOther"),
        QStringLiteral("CustomerUserdef"), QStringLiteral("CustomerGSP"),
        QStringLiteral("CustomerExport"),
    };
    return contexts.value(tab);
}

} // namespace customer

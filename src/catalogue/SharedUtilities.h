#pragma once

#include <QString>
#include <QVariant>

namespace suite {
class XmlElement;
}

namespace customer {

// The standard information box of the component: one OK button, titled with the resource text
// "information". Lost when there is no public service yet.
void ShowInfoMsg(const QString &text);

// The attribute named by the lower-cased name, trimmed; cDefault when the element has no such
// attribute, empty for a null element. The name is lower-cased first because the documents the
// component reads have been through UtoLCase.
QString GetXmlAttr(const suite::XmlElement &node, const QString &name, const QString &cDefault);

// The default for a null value, else the value itself.
QVariant IfNull(const QVariant &value, const QVariant &vDefault);

// The account ("001") of the session's company: the three characters after "catalog=kvdata_" in
// g_cDBName, whatever their case. Without that marker, the three characters from position 15,
// so that the statements built from it name a wrong database and fail there.
QString GetAccId();

// A check that lets everything pass; the field checks of batch modify and the card call it.
bool AlwaysTrue(const QVariant &, const QVariant &, const QVariant &, const QVariant &);

// An account option of the GS module: cValue "true" (any case), or, when cValue is empty, a
// cDefault other than "false". False when the option is missing or cannot be read.
bool GetGsOption(const QString &cName);

} // namespace customer

#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

namespace suite {
class RecordSet;
}

namespace customer {

// The session values the card hands to its user-defined-field control, in the order the
// context XML carries them.
struct CardContext
{
    QString userName;
    QString dbName;
    QString curDate;
    QString srvDate;
    QString priceDecimals;
    QString rowAuthDept;
    QString rowAuthPerson;
    QString rowAuthInv;
    QString helpContextId;
    QString hwnd;
    QString url;
    bool web = false;
};

// "<Customer><g_cUserName>...</g_cUserName>...<bweb>0</bweb></Customer>". The values go in as
// they stand: the rights clauses must reach the control unchanged.
QString cardContextXml(const CardContext &context);

// What the code-numbering rule may build a customer code from.
struct NumberingContext
{
    QString name;
    QString abbName;
    QString classCode;
    QString districtCode;
    QString rankCode;
    QString mngTypeCode;
    QString modifyDate;
    QString modifyPerson;
};

// "<Customer><ccusname>...</ccusname>...<cmodifyperson>...</cmodifyperson></Customer>", the
// values unescaped as the numbering rule reads them.
QString numberingContextXml(const NumberingContext &context);

// The fields a column-information XML marks as mandatory (attribute bMustInput, any case, "true"
// or "1"), by the element's field name without its table ("Customer.cCusCode" gives
// "cCusCode") or by its cFld attribute where it has one. False when the XML does not load.
bool mandatoryFields(const QString &colInfoXml, QStringList &fields);

// The defined sizes of the text columns of a record set, by lower-cased column name; long
// texts have no size to keep to and are left out.
QHash<QString, int> textColumnSizes(const suite::RecordSet &columns);

} // namespace customer

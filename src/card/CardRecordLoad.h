#pragma once

#include "card/CardFields.h"

#include <QString>
#include <QVariant>

#include <functional>

namespace suite {
class IClsCommon;
class RecordSet;
class XmlElement;
} // namespace suite

namespace customer {

// How one customer record is spread onto the card's controls, apart from the window: the
// record read from the database for modify or view, and the preset record given as XML when a
// customer is added from outside. The window does what needs its own controls around it (the
// caption, the audit fields, the user-defined, picture and attachment controls) through the
// hooks.
class CardRecordLoad
{
public:
    struct Formatting
    {
        // The public service's number format: the value with the given decimals.
        std::function<QString(const QVariant &, int)> formatNumber;
        // Decimals of the tax rate, from the account's options.
        int taxRateDigits = 2;
    };

    struct Hooks
    {
        // Runs right after the offer rate is shown: the audit fields come next on the card.
        std::function<void()> afterOfferRate;
        // Runs right after the cost grade: the user-defined fields read the same record.
        std::function<void()> afterCostGrade;
    };

    // What the load decided that is not a control's value.
    struct Outcome
    {
        // Only a shop of kind 2 offers the group-purchase check box.
        bool groupPurchaseEnabled = false;
    };

    explicit CardRecordLoad(CardFields &fields);

    // The first row of record onto the controls, column by column in the card's order; nulls
    // load as empty text, unchecked boxes, no cost grade and shop kind 0. The credit settings
    // as loaded are kept in the tags of their controls, for the save to notice changes.
    Outcome loadRecord(const suite::RecordSet &record, const Formatting &formatting,
                       const Hooks &hooks = {});

    // The values a preset record carries, element by element (element names in lower case).
    // The licence, business-licence and proxy groups take their day count and dates only when
    // their check box element is set.
    Outcome loadPreset(const suite::XmlElement &preset);

    // The region codes of the province and city texts, kept in their tags: looked up only when
    // one of the tags is empty, by the city's short name or else by the province's name.
    void lookUpRegionCodes(suite::IClsCommon &service);

    // The text of the child element name (matched in lower case) of element, or defaultValue
    // when there is no element or no name.
    static QString GetNodeText(const suite::XmlElement &element, const QString &name,
                               const QString &defaultValue);

private:
    void rememberCreditSettings();
    void setCostGrade(const QVariant &value);
    Outcome setShopKind(int kind);
    void loadDatedGroup(const suite::XmlElement &preset, const QString &checkControl,
                        const QString &checkElement, const QStringList &controls,
                        const QStringList &elements);

    CardFields &m_fields;
};

// Which of First, Previous, Next and Last the card offers for list row row of a grid with
// rows rows (header included), and the row clamped into the grid's data rows.
struct CardNavigation
{
    bool first = false;
    bool previous = false;
    bool next = false;
    bool last = false;
    int row = 1;
};
CardNavigation cardNavigation(int gridRows, int row);

// The list row a move key ("First", "Previous", "Next", "Last", any case) leads to from row,
// kept within the data rows of a grid with gridRows rows; row itself for other keys.
int cardMoveRow(const QString &key, int row, int gridRows);

// The statement that reads the customer of a list row with its user-defined columns; the
// customer's columns are customerColumns of alias "a" (all of them unless the user may not read
// some, see readableColumnsOf).
QString currentRecordStatement(const QString &extraFields, const QString &code,
                               const QString &customerColumns = QStringLiteral("a.*"));

} // namespace customer

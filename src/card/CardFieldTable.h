#pragma once

#include <QList>
#include <QString>

#include <span>

namespace customer {

// What kind of control shows a field of the card.
enum class CardControlKind {
    // A text field (a reference edit, with its look-up button when it names a reference).
    Edit,
    // A member of the date group EdtDTPicker1 with its pop-up button Command1 of the same index.
    Date,
    Check,
    Combo,
};

// The tab pages of the card, in their order on SSTab1.
enum CardPage {
    BasePage,
    RelationPage,
    CreditPage,
    OtherPage,
    UserDefPage,
    GspPage,
    ExportPage,
    AttachmentPage,
    CardPageCount
};

// One field of the card: the column it shows, the control that shows it (name and, for members
// of an indexed group, index), where it sits and what stands beside it.
struct CardControl
{
    QStringView column;
    QStringView name;
    int index = -1;
    CardControlKind kind = CardControlKind::Edit;
    CardPage page = BasePage;
    // Caption key of the frame the field sits in; empty for the page's own grid.
    QStringView frameKey = {};
    // The field takes a whole row.
    bool wide = false;
    // A control beside it: a name display ("Text1" with an index, "EdtVenAbbName") or a
    // button ("cmdMap").
    QStringView companion = {};
    int companionIndex = -1;
};

// Every field of the card in the order the pages show them.
std::span<const CardControl> cardControls();

// The field of a column (matched without case); null for a column the card does not show.
const CardControl *cardControlOfColumn(QStringView column);

// A field the user reads but does not type into: the audit fields, which the save fills from
// the session, and the fields the record carries from the dialogs (banks, delivery addresses,
// invoice units) or from elsewhere (the rights class, the application document, the LTC import).
bool isDisplayOnlyColumn(QStringView column);

// The resource key of a field's caption: "Tarn.AA.CUSTOMER." and the column in lower case,
// except where the suite keeps a shared caption.
QString captionKeyOfColumn(QStringView column);

// One reference edit of the card and how it is initialised.
struct CardReference
{
    QString control;
    int index = -1;
    QString refKey;
    QString refSetXml = {};
    // The key goes without the web reference prefix.
    bool withoutUrl = false;
    // What is typed stays as the value.
    bool freeText = false;
};

// The reference edits of the card; the sales agreement offers other agreements when the sales
// module is not started.
QList<CardReference> cardReferences(bool salesStarted);

} // namespace customer

#pragma once

#include <QString>

#include <optional>

namespace customer {

// The sub-record dialogs the card opens from its toolbar. Each edits the rows kept beside the
// customer and hands them back as a fragment of the record XML.
enum class SubRecordDialog { Invoice, Person, Privilege, Address, Bank };

// The dialog of a toolbar key ("Invoice", "Person", "Privilege", "cusAddress", "CusBank", any
// case); nothing for other keys.
std::optional<SubRecordDialog> subRecordDialogOfKey(const QString &key);

// The ProgID the dialog is created by.
QString subRecordProgId(SubRecordDialog dialog);

// What the card tells a dialog when it opens it for the first time on a customer.
struct SubRecordParameters
{
    QString code;
    QString name; // the bank dialog shows it
    int right = 2; // 1 read only, 2 read and change
    QString readRights; // the customer read-rights condition (invoice units only)
    QString writeRights; // the customer write-rights condition (invoice units only)
    QString url; // the web reference prefix
};

// The parameter XML a dialog starts from. The rights conditions carry "!=" for "<>", and every
// value is escaped for element text, so that a name such as "R&D" keeps the XML readable.
QString subRecordParameterXml(SubRecordDialog dialog, const SubRecordParameters &parameters);

} // namespace customer

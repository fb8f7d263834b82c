#pragma once

#include "card/CardFields.h"

#include <QString>

#include <utility>

namespace suite {
class IClsCommon;
class RecordSet;
} // namespace suite

namespace customer {

// The names the card shows beside codes: the customer class, the district and the head office
// beside Edt(3) to Edt(5) (in Text1(0) to Text1(2)), the related vendor's abbreviation beside
// EdtVenCode. Read for a record the card loaded, and taken from the row a reference window
// gave when the user chose a code.
class CodeNames
{
public:
    explicit CodeNames(CardFields &fields);

    // The statement that reads the names of the codes the card holds, one column per code
    // (named after the name column); empty when the card holds none of them.
    QString statement() const;
    // Every name beside a code, read with one statement; a code that names nothing shows none.
    void showStored(suite::IClsCommon &service);
    // The name beside one code field (control and index of the code's edit), from the row
    // chosen for it, or read when the row does not carry it.
    void showChosen(suite::IClsCommon &service, const QString &control, int index,
                    const suite::RecordSet *row);
    // The name field beside a code field, as control and index (empty for another field).
    static std::pair<QString, int> nameFieldOf(const QString &control, int index);

private:
    CardFields &m_fields;
};

} // namespace customer

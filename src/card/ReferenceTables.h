#pragma once

#include <QString>

namespace customer {

// The archive a reference field of the card draws from, by the name the public service knows it
// under when it copies the archive's user-defined values into the customer's.
struct ReferenceTable
{
    // Named on a typed change of the field.
    QString onChange;
    // Named after a row was chosen; empty for fields whose choice copies nothing.
    QString onChoice;
};

// The archive of the indexed field Edt(index); empty names for fields of no archive.
QString GetRefTableByIndex(int index);

// The archives of the card's named reference fields ("EdtcCusBankCode", "EdtVenCode", ...);
// empty names for a control that is none of them.
ReferenceTable namedReferenceTable(const QString &control);

} // namespace customer

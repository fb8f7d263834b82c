#pragma once

#include "suite/data/RecordSet.h"

#include <QString>

namespace suite::RowsetXml {

// The visible rows of a record set in ADO's persisted XML format: a schema with one
// s:AttributeType per field, then one z:row per row under rs:data ("//xml/rs:data/z:row"),
// where a null value has no attribute. Booleans are written True/False, dates as
// 2026-12-06T10:30:00, binary values in hex. A closed record set gives an empty text.
QString save(const RecordSet &rs);

// Reads such a text back into an open record set. False with a message, rs unchanged, when
// the text is not well-formed, is not a persisted record set, or holds a value its field's
// type cannot take.
bool load(const QString &text, RecordSet &rs, QString &sMsg);

} // namespace suite::RowsetXml

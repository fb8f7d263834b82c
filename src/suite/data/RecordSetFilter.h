#pragma once

#include "suite/data/Field.h"

#include <QList>
#include <QString>
#include <QVariant>

#include <memory>

namespace suite {

// A compiled ADO filter: clauses "Field op Value" joined by AND / OR, with parentheses. The
// operators are = <> < > <= >= LIKE, and IS [NOT] NULL; values are 'text' (a quote doubled
// inside), numbers, #date#, NULL, TRUE and FALSE. Field names may be [bracketed]. Text compares
// without regard to case, as on SQL Server; LIKE knows % and * for any run and _ for one
// character, anywhere in the pattern. A null value matches only the NULL tests.
//
// The text is compiled once against the record set's fields, so that testing a row neither
// parses nor looks up names.
class RecordSetFilter
{
public:
    struct Node;

    // False with a message naming the position or the field when the text is not a valid
    // filter over these fields; the filter is then left unchanged.
    static bool compile(const QString &text, const QList<Field> &fields, RecordSetFilter &filter,
                        QString &sMsg);

    bool isNull() const { return !m_root; }

    // row points at the row's values, one per field in field order.
    bool matches(const QVariant *row) const;

private:
    std::shared_ptr<const Node> m_root;
};

} // namespace suite

#pragma once

#include "demo/PackedRows.h"

#include <QString>

namespace demo {

// Where the demo loader sends each batch of generated rows: every row into its own table, as
// fast as the backend takes many rows.
class TableWriter
{
public:
    virtual ~TableWriter() = default;
    virtual bool insertAll(const PackedRows &rows, QString &sMsg) = 0;
};

} // namespace demo

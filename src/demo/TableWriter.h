#pragma once

#include "demo/PackedRows.h"

#include <QString>

#include <memory>

namespace demo {

// A batch of rows in the form a table writer sends it.
class WriterRows
{
public:
    virtual ~WriterRows() = default;
};

// Where the demo loader sends each batch of generated rows: every row into its own table, as
// fast as the backend takes many rows.
class TableWriter
{
public:
    virtual ~TableWriter() = default;
    // Called once a load's transaction has begun, before its first batch.
    virtual bool beginLoad(QString & /*sMsg*/) { return true; }
    // Turns packed rows into what insertAll() sends. It uses no connection and nothing
    // insertAll() changes, so the loader calls it on the generating thread, where it overlaps
    // with the inserting of the batch before.
    virtual std::unique_ptr<WriterRows> encode(PackedRows &&rows) const = 0;
    // rows: made by this writer's encode().
    virtual bool insertAll(const WriterRows &rows, QString &sMsg) = 0;
};

} // namespace demo

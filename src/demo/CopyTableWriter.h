#pragma once

#include "demo/TableWriter.h"

namespace suite {
class PostgresConnection;
}

namespace demo {

// The rows of a batch into a PostgreSQL company through COPY, one COPY per table of the batch:
// a million customers with their sub-records go in within the time a list page's user would
// not notice on SQLite's bulk insert either.
class CopyTableWriter : public TableWriter
{
public:
    explicit CopyTableWriter(suite::PostgresConnection &company)
        : m_company(company)
    { }

    bool insertAll(const PackedRows &rows, QString &sMsg) override;

private:
    suite::PostgresConnection &m_company;
};

} // namespace demo

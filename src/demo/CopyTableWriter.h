#pragma once

#include "demo/TableWriter.h"

#include "suite/data/PostgresConnection.h"

#include <map>

namespace demo {

// The rows of a batch into a PostgreSQL company through COPY, one COPY per table of the batch:
// a million customers with their sub-records go in within the time a list page's user would
// not notice on SQLite's bulk insert either.
//
// A table the load finds empty is truncated in the load's transaction first. The server then
// appends its rows in the order they come, without looking for room in earlier pages, so the
// customers lie in code order and their indexes sort presorted input; and the rows go in
// frozen, so that no VACUUM reads them again for the visibility map the lists' index-only
// reads need.
class CopyTableWriter : public TableWriter
{
public:
    explicit CopyTableWriter(suite::PostgresConnection &company)
        : m_company(company)
    { }

    bool beginLoad(QString &sMsg) override;
    std::unique_ptr<WriterRows> encode(PackedRows &&rows) const override;
    bool insertAll(const WriterRows &rows, QString &sMsg) override;

private:
    bool prepare(DemoTable table, suite::PostgresConnection::CopyRows &rows, QString &sMsg);

    suite::PostgresConnection &m_company;
    // The tables the current load has met, and how their rows go in.
    std::map<DemoTable, suite::PostgresConnection::CopyRows> m_tables;
};

} // namespace demo

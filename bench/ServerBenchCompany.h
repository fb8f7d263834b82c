#pragma once

#include <QString>

namespace bench {

// The connection text of the company KVDATA_001_2026 on the PostgreSQL server
// CUSTOMER_ARCHIVE_PG names (scripts/with-postgres.sh), made there with the demo customers when
// it has fewer than customers, which takes a few minutes; empty, told on standard error, when
// there is no server or the company cannot be made.
QString preparedServerCompany(int customers);

} // namespace bench

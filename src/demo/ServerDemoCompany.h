#pragma once

#include "demo/DemoCompany.h"

#include "suite/data/ConnectionText.h"

namespace demo {

// The demo company on a PostgreSQL server: the same company as DemoCompany makes in files,
// as the schemas the server backend reads (the company's schema named by the catalogue,
// kvsystem, and kvmeta_<account>). The schemas are built under names ending in "_new" and
// take the place of the old ones in one transaction when everything succeeded: a failed run
// leaves the server's companies as they were.
class ServerDemoCompany
{
public:
    static bool create(const suite::ConnectionText &server, const DemoSettings &settings,
                       const Progress &progress, QString &sMsg);
};

} // namespace demo

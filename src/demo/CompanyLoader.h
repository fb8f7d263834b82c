#pragma once

#include "demo/ChinaDivisions.h"
#include "demo/DemoCompany.h"
#include "demo/Pinyin.h"
#include "demo/Places.h"
#include "demo/ReferenceCodes.h"

#include <cstdint>

namespace suite {
class SqliteConnection;
}

namespace demo {

// Fills a company database whose schema and reference rows are in place: the divisions of
// China into HR_CT007, then the generated customers with their sub-records. Each load is one
// transaction through prepared statements; the secondary indexes are expected to come after.
class CompanyLoader
{
public:
    CompanyLoader(suite::SqliteConnection &company, std::uint64_t seed);

    // Reads the division file and the reference codes and checks that they fit together.
    bool prepare(QString &sMsg);
    bool loadDivisions(QString &sMsg);
    bool loadCustomers(int count, const Progress &progress, QString &sMsg);

private:
    bool inTransaction(const std::function<bool(QString &)> &work, QString &sMsg);

    suite::SqliteConnection &m_company;
    std::uint64_t m_seed;
    ChinaDivisions m_divisions;
    ReferenceCodes m_codes;
    Pinyin m_pinyin;
    Places m_places;
};

} // namespace demo

#pragma once

#include "demo/ChinaDivisions.h"
#include "demo/DemoCompany.h"
#include "demo/Pinyin.h"
#include "demo/Places.h"
#include "demo/ReferenceCodes.h"
#include "demo/TableWriter.h"

#include <cstdint>
#include <memory>

namespace suite {
class SqlConnection;
}

namespace demo {

// Fills a company database whose schema and reference rows are in place: the divisions of
// China into HR_CT007, then the generated customers with their sub-records. Each load is one
// transaction, the rows going in through the backend's writer; the secondary indexes are
// expected to come after.
class CompanyLoader
{
public:
    // rowIdentity: the backend's hidden column of insertion order (see readReferenceCodes).
    CompanyLoader(suite::SqlConnection &company, std::unique_ptr<TableWriter> writer,
                  QString rowIdentity, std::uint64_t seed);

    // Reads the division file and the reference codes and checks that they fit together.
    bool prepare(QString &sMsg);
    bool loadDivisions(QString &sMsg);
    bool loadCustomers(int count, const Progress &progress, QString &sMsg);

private:
    bool inTransaction(const std::function<bool(QString &)> &work, QString &sMsg);

    suite::SqlConnection &m_company;
    std::unique_ptr<TableWriter> m_writer;
    QString m_rowIdentity;
    std::uint64_t m_seed;
    ChinaDivisions m_divisions;
    ReferenceCodes m_codes;
    Pinyin m_pinyin;
    Places m_places;
};

} // namespace demo

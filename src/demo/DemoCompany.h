#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>

namespace demo {

struct DemoSettings
{
    static constexpr int kMaxCustomers = 5'000'000;
    static constexpr std::uint64_t kDefaultSeed = 20260101;

    int customers = 10'000;
    std::uint64_t seed = kDefaultSeed;
    // Replace the databases of an existing demo company instead of refusing.
    bool overwrite = false;
    // Configure the archive plug-ins the product ships (the customer card's credit review).
    bool plugIns = true;
};

// Reports the work done: a step ("customers") and how far it is (done of total; total 0 when
// the step is not counted).
using Progress = std::function<void(const QString &step, qint64 done, qint64 total)>;

// The demo company 001, year 2026: its company database KVDATA_001_2026.db, the system
// database kvsystem.db and the metadata database KvMeta_001.db, side by side in one folder
// where the data service attaches them by these names.
//
// The schemas come from the built-in SQL scripts through the T-SQL translator; the reference
// data from the seed script and the built-in division file; the customers from a generator
// with a fixed seed, so the same settings always give the same company. The databases are
// built under temporary names and only replace the old ones when everything succeeded: a
// failed run leaves the folder as it was.
class DemoCompany
{
public:
    static QString companyFileName();
    static QString systemFileName();
    static QString metaFileName();

    // The paths of the three databases in dir, company first.
    static QStringList paths(const QString &dir);

    static bool create(const QString &dir, const DemoSettings &settings, const Progress &progress,
                       QString &sMsg);
};

} // namespace demo

#pragma once

#include <QString>

// The demo companies the benchmarks measure on, made once and kept between runs in a folder
// of their own under the benchmark folder: $CUSTOMER_ARCHIVE_BENCH_DIR, or
// customer-archive-bench in the user's cache folder.
namespace bench {

QString companyDirectory(const QString &name);
// The company file in dir.
QString companyFile(const QString &dir);
// Makes a company of that many customers in dir unless one is there; false, told on standard
// error, when it cannot be made.
bool makeCompany(const QString &dir, int customers);
QString connectionText(const QString &dir);

// The select list and joins of the customer list's page statement with the demo column set.
extern const QString kListSelect;
extern const QString kListJoins;

} // namespace bench

#pragma once

#include "suite/data/DataBackend.h"
#include "suite/data/PageStatements.h"

#include <QString>

#include <functional>
#include <optional>

namespace suite {

// The columns of a table of the company database; nullopt when there is no such table.
using TableColumnsLookup = std::function<std::optional<TableColumns>(const QString &table)>;

// A select the page reader may read keys first: the rows of one table, each joined to at most
// one row of other tables. Its text is
//
//   select LIST from T { left [outer] join U [[as] A] on A.pk = X.col } [where C] [order by O]
//
// where T has a primary key of one column that orders its rows, and every joined table is
// matched on its own one-column primary key, so that a join can neither drop nor repeat a row
// of T. Such a select gives exactly the rows of T that C keeps, one each: its page is the page
// of T's keys (read through T's indexes, joining only what C and O name) with their full rows
// read after. Any other select is read as it stands: nullopt.
std::optional<PageRequest> keyedSelect(const QString &text, const TableColumnsLookup &columnsOf);

} // namespace suite

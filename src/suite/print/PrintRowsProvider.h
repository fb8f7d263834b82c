#pragma once

#include "suite/print/PrintData.h"

namespace suite {

// A window that hands the print control its whole list, not only the page its grid shows.
class PrintRowsProvider
{
public:
    virtual ~PrintRowsProvider() = default;

    // The rows of the list for the columns the grid lays out; the provider may make the
    // columns' kinds more exact from what it knows of its fields.
    virtual std::shared_ptr<PrintRowSource> printRows(QList<PrintColumn> &columns) = 0;
};

} // namespace suite

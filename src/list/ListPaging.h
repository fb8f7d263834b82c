#pragma once

#include <QString>

namespace customer {

// Which page links are enabled: "first" and "previous" (fore), "next" and "last".
struct PageLinks
{
    bool fore = false;
    bool next = false;
    bool last = false;
};

// The links for page of pageCount pages: none with one page or none, no way back from the
// first page, no way on from the last. A pageCount below 0 means the rows are still being
// counted: "next" when the page is full, as there may be more, and "last" waits for the count.
PageLinks pageLinks(int page, int pageCount, bool pageFull = false);

// The page a link leads to: 0 first, 1 previous (not below 1), 2 next (the page read clamps it
// to the last), 3 last.
int pageAfterLink(int link, int page, int pageCount);

// A spinner click on a number box: up (+1) or down (-1) by the increment; a value that would
// leave the bounds stays where it was.
int spinnerStep(int value, int direction, int minimum, int maximum, int increment);

// The position of the code column in a select list (ccuscode, bare or qualified with its
// table, trimmed, any case), -1 when the list has none.
int codeFieldIndex(const QString &listFields);

} // namespace customer

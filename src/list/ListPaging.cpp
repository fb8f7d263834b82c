#include "list/ListPaging.h"

#include <QStringList>

namespace customer {

PageLinks pageLinks(int page, int pageCount, bool pageFull)
{
    if (pageCount < 0)
        return { page > 1, pageFull, false };
    if (pageCount <= 1)
        return {};
    const bool fore = page > 1;
    const bool onward = page < pageCount;
    return { fore, onward, onward };
}

int pageAfterLink(int link, int page, int pageCount)
{
    switch (link) {
    case 0:
        return 1;
    case 1:
        return qMax(1, page - 1);
    case 2:
        return page + 1;
    case 3:
        return pageCount;
    default:
        return page;
    }
}

int spinnerStep(int value, int direction, int minimum, int maximum, int increment)
{
    const int stepped = value + direction * increment;
    return stepped < minimum || stepped > maximum ? value : stepped;
}

int codeFieldIndex(const QString &listFields)
{
    const QStringList fields = listFields.split(u',');
    for (int index = 0; index < fields.size(); ++index) {
        // Qualified by the list's main table, Customer or the staging table.
        if (fields.at(index).trimmed().section(u'.', -1).compare(u"ccuscode", Qt::CaseInsensitive)
            == 0)
            return index;
    }
    return -1;
}

} // namespace customer

#pragma once

#include "merge/DuplicateIndex.h"

#include <QHash>
#include <QString>

#include <functional>

namespace customer {

// A customer as the duplicate list shows it beside its likely twin.
struct DuplicateCustomer
{
    QString code;
    QString name;
    QString abbreviation;
    QString taxNumber;
    QString phone;
    QString email;
};

// The duplicate scan on the session's data service: the customers the user may read, a page
// at a time in code order, go into a DuplicateIndex; fields the user may not read are not used.
class DuplicateScan
{
public:
    static constexpr int kDefaultMinScore = 70;
    static constexpr int kPageSize = 5000;

    // progress receives the number of customers read so far after every page; returning false
    // stops the scan (which then answers false).
    bool run(int minScore, int limit, QList<DuplicatePair> &pairs,
             const std::function<bool(qsizetype)> &progress = {});

    // The customers the pairs name, by code, read afresh.
    static QHash<QString, DuplicateCustomer> customersOf(const QList<DuplicatePair> &pairs);

    // The statement of one page: the customers after the code after (all from the first when
    // empty) under the user's rights.
    static QString pageStatement(const QString &after);

    // "same tax number, similar names (83%)" in the session's language.
    static QString reasonsText(const DuplicatePair &pair);
};

} // namespace customer

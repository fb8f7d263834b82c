#pragma once

#include "suite/data/SeekPage.h"

#include <QHash>
#include <QString>

#include <map>
#include <optional>

namespace suite {

// Rows of paged selects whose place is known: the 0-based place of a row in the select's order
// with the row's order values (see SeekPage.h), by the select's text, each set for the change
// stamp it was read at. A set read at another stamp is dropped as soon as it is asked for, so a
// place is never trusted after the data may have moved.
class PageMarks
{
public:
    struct Known
    {
        qint64 row = 0;
        seek_statements::Mark mark;
    };

    // The known row nearest to row at or before it (at or after it when forward is false).
    std::optional<Known> nearest(const QString &select, const QString &stamp, qint64 row,
                                 bool atOrBefore);
    // Keeps the row's place; nothing is kept for an empty stamp.
    void add(const QString &select, const QString &stamp, qint64 row,
             const seek_statements::Mark &mark);
    // Keeps the places of a marks statement's rows (see PageSeeker::marksStatement): each row's
    // 1-based place, then its order values.
    void addAll(const QString &select, const QString &stamp, const RecordSet &marks);

private:
    static constexpr int kSelectsKept = 16;
    static constexpr size_t kMarksKept = 20000;

    struct Marks
    {
        QString stamp;
        std::map<qint64, seek_statements::Mark> byRow;
    };
    QHash<QString, Marks> m_marks;
};

} // namespace suite

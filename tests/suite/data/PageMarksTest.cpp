#include "suite/data/PageMarks.h"

#include <gtest/gtest.h>

using namespace suite;

namespace {

const QString kSelect = QStringLiteral("select cCusCode from Customer order by cCusCode");

seek_statements::Mark mark(const char *code)
{
    return { QString::fromUtf8(code) };
}

} // namespace

TEST(PageMarks, TheNearestKnownRowIsFoundOnEitherSide)
{
    PageMarks marks;
    marks.add(kSelect, QStringLiteral("s1"), 100, mark("C100"));
    marks.add(kSelect, QStringLiteral("s1"), 300, mark("C300"));
    const auto at = [&](qint64 row, bool atOrBefore) {
        const std::optional<PageMarks::Known> known =
            marks.nearest(kSelect, QStringLiteral("s1"), row, atOrBefore);
        return known ? known->row : -1;
    };
    EXPECT_EQ(at(99, true), -1);
    EXPECT_EQ(at(100, true), 100);
    EXPECT_EQ(at(299, true), 100);
    EXPECT_EQ(at(1000, true), 300);
    EXPECT_EQ(at(0, false), 100);
    EXPECT_EQ(at(101, false), 300);
    EXPECT_EQ(at(300, false), 300);
    EXPECT_EQ(at(301, false), -1);
    EXPECT_EQ(marks.nearest(kSelect, QStringLiteral("s1"), 150, true)->mark, mark("C100"));
    EXPECT_FALSE(marks.nearest(kSelect + u' ', QStringLiteral("s1"), 150, true))
        << "another select knows nothing";
}

// Once the data may have moved, no place is trusted: not at the new stamp, nor at the old one.
TEST(PageMarks, MarksOfAnotherStampAreDroppedAndAnEmptyStampKeepsNone)
{
    PageMarks marks;
    marks.add(kSelect, QStringLiteral("s1"), 100, mark("C100"));
    EXPECT_FALSE(marks.nearest(kSelect, QStringLiteral("s2"), 100, true));
    EXPECT_FALSE(marks.nearest(kSelect, QStringLiteral("s1"), 100, true));

    marks.add(kSelect, QString(), 100, mark("C100"));
    EXPECT_FALSE(marks.nearest(kSelect, QString(), 100, true));

    marks.add(kSelect, QStringLiteral("s1"), 100, mark("C100"));
    marks.add(kSelect, QStringLiteral("s2"), 200, mark("C200"));
    EXPECT_FALSE(marks.nearest(kSelect, QStringLiteral("s2"), 100, true))
        << "a mark of the new stamp replaces those of the old one";
    EXPECT_EQ(marks.nearest(kSelect, QStringLiteral("s2"), 250, true)->row, 200);
}

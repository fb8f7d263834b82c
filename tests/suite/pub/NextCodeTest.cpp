#include "suite/pub/NextCode.h"

#include <gtest/gtest.h>

using suite::nextCode;

TEST(NextCode, TrailingDigitsCountUpKeepingWidthAndPrefix)
{
    const std::pair<const char16_t *, const char16_t *> cases[] = {
        { u"C0099", u"C0100" },
        { u"0000001", u"0000002" },
        { u"01010009", u"01010010" },
        { u"A-09", u"A-10" },
        { u"客户007", u"客户008" },
        { u"C999", u"C1000" },
        { u"9", u"10" },
        { u"C0", u"C1" },
        // Longer than any integer type: the text itself is counted.
        { u"X99999999999999999999", u"X100000000000000000000" },
    };
    for (const auto &[saved, next] : cases)
        EXPECT_EQ(nextCode(QString::fromUtf16(saved)), QString::fromUtf16(next))
            << QString::fromUtf16(saved).toStdString();
}

TEST(NextCode, ACodeWithoutTrailingDigitsGetsAOneAndEmptyStaysEmpty)
{
    EXPECT_EQ(nextCode(QStringLiteral("ABC")), QStringLiteral("ABC1"));
    EXPECT_EQ(nextCode(QStringLiteral("C01A")), QStringLiteral("C01A1"));
    // Full-width digits are letters to a code.
    EXPECT_EQ(nextCode(QStringLiteral("Ｃ０１")), QStringLiteral("Ｃ０１1"));
    EXPECT_EQ(nextCode(QString()), QString());
}

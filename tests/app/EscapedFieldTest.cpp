#include "app/Subcommands.h"

#include <gtest/gtest.h>

// A stored value printed by list or sql cannot move the cursor, recolour or retitle the terminal.
TEST(EscapedField, ControlCharactersPrintAsEscapes)
{
    EXPECT_EQ(host::escapedField(QString::fromUtf16(u"a\x1b[31mred\tb\\c\x7f\x9b\x07")),
              QStringLiteral("a\\x1b[31mred\\tb\\\\c\\x7f\\x9b\\x07"));
    EXPECT_EQ(host::escapedField(QStringLiteral("北京 R&D\n")), QStringLiteral("北京 R&D\\n"));
}

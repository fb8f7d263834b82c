#include "import/ClassSettingCatalogue.h"

#include <gtest/gtest.h>

using customer::classSettingCatalogue;

TEST(ClassSettingCatalogue, TheRootAloneIsMarked)
{
    EXPECT_EQ(classSettingCatalogue(QStringLiteral(
                  "<Customer_import><cCCCode showfldname='Class'/></Customer_import>")),
              QStringLiteral(
                  "<Customer_import fixfld='0'><cCCCode showfldname='Class'/></Customer_import>"));
    EXPECT_EQ(classSettingCatalogue(QStringLiteral("<Customer_import a='1'/>")),
              QStringLiteral("<Customer_import fixfld='0' a='1'/>"));
    EXPECT_EQ(classSettingCatalogue(QStringLiteral("<?xml version='1.0'?>\n<Customer_import/>")),
              QStringLiteral("<?xml version='1.0'?>\n<Customer_import fixfld='0'/>"));
}

TEST(ClassSettingCatalogue, TextWithoutARootComesBackUnchanged)
{
    EXPECT_EQ(classSettingCatalogue(QString()), QString());
    EXPECT_EQ(classSettingCatalogue(QStringLiteral("no xml")), QStringLiteral("no xml"));
    EXPECT_EQ(classSettingCatalogue(QStringLiteral("<")), QStringLiteral("<"));
    EXPECT_EQ(classSettingCatalogue(QStringLiteral("<!-- only a comment -->")),
              QStringLiteral("<!-- only a comment -->"));
}

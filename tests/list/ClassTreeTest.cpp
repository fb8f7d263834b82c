#include "list/ClassTree.h"

#include <QTreeWidget>

#include <gtest/gtest.h>

using namespace customer;

TEST(ClassTree, CodesHangUnderThePrefixOfTheirPreviousLevel)
{
    const QList<int> widths = codingRuleWidths(QStringLiteral(" 223 "));
    EXPECT_EQ(widths, (QList<int>{ 2, 2, 3 }));
    EXPECT_EQ(classParentKey(QStringLiteral("01"), widths), QStringLiteral("r"));
    EXPECT_EQ(classParentKey(QStringLiteral("0102"), widths), QStringLiteral("r01"));
    EXPECT_EQ(classParentKey(QStringLiteral("0102003"), widths), QStringLiteral("r0102"));
    EXPECT_EQ(classParentKey(QStringLiteral("010200399"), widths), QStringLiteral("r0102"))
        << "a code longer than the rule counts as the deepest level";
    EXPECT_EQ(classParentKey(QStringLiteral("01"), {}), QStringLiteral("r"));
}

TEST(ClassTree, TreeIsBuiltInCodeOrderWithOrphansUnderTheRoot)
{
    QTreeWidget tree;
    fillClassTree(tree, QStringLiteral("Customer Class"), QStringLiteral("22"),
                  { { QStringLiteral("01"), QStringLiteral("Retail") },
                    { QStringLiteral("0101"), QStringLiteral("Shops") },
                    { QStringLiteral("0299"), QStringLiteral("Lost") } });
    ASSERT_EQ(tree.topLevelItemCount(), 1);
    QTreeWidgetItem *root = tree.topLevelItem(0);
    EXPECT_EQ(classNodeKey(root), QStringLiteral("r"));
    EXPECT_EQ(tree.currentItem(), root);
    ASSERT_EQ(root->childCount(), 2);
    EXPECT_EQ(root->child(0)->text(0), QStringLiteral("(01) Retail"));
    EXPECT_EQ(classNodeKey(root->child(0)->child(0)), QStringLiteral("r0101"));
    EXPECT_EQ(root->child(1)->text(0), QStringLiteral("(0299) Lost"));

    fillClassTree(tree, QStringLiteral("Customer Class"), QString(), {});
    EXPECT_EQ(tree.topLevelItem(0)->childCount(), 0) << "no class: the root only";
}

#pragma once

#include <QList>
#include <QString>

class QTreeWidget;
class QTreeWidgetItem;

namespace customer {

// The level widths of a class coding rule such as "2223": level n adds the n-th digit's number
// of characters to the code.
QList<int> codingRuleWidths(const QString &codingRule);

// The key of the node a class code hangs under: "r" followed by the code cut to the previous
// level's length, "r" alone for a first-level class. A code longer than the rule allows counts
// as one of the deepest level.
QString classParentKey(const QString &classCode, const QList<int> &widths);

// One class of the tree, as the class table gives it.
struct ClassNode
{
    QString code;
    QString name;
};

// Fills the tree: the root (key "r") with rootText, then every class in code order under its
// parent ("(" + code + ") " + name). A class whose parent class is missing hangs under the
// root. Node keys are kept in the items' data (Qt::UserRole).
void fillClassTree(QTreeWidget &tree, const QString &rootText, const QString &codingRule,
                   const QList<ClassNode> &classes);

// The key of a node of that tree.
QString classNodeKey(const QTreeWidgetItem *item);

} // namespace customer

#include "list/ClassTree.h"

#include <QHash>
#include <QTreeWidget>

namespace customer {

namespace {
constexpr int kKeyRole = Qt::UserRole;
}

QList<int> codingRuleWidths(const QString &codingRule)
{
    QList<int> widths;
    for (const QChar digit : codingRule.trimmed()) {
        if (digit.isDigit())
            widths.append(digit.digitValue());
    }
    return widths;
}

QString classParentKey(const QString &classCode, const QList<int> &widths)
{
    int previous = 0;
    int cumulative = 0;
    for (int width : widths) {
        previous = cumulative;
        cumulative += width;
        if (classCode.size() <= cumulative)
            break;
    }
    return QStringLiteral("r") + classCode.left(previous);
}

void fillClassTree(QTreeWidget &tree, const QString &rootText, const QString &codingRule,
                   const QList<ClassNode> &classes)
{
    tree.clear();
    auto *root = new QTreeWidgetItem(&tree, { rootText });
    root->setData(0, kKeyRole, QStringLiteral("r"));
    QHash<QString, QTreeWidgetItem *> nodes{ { QStringLiteral("r"), root } };
    const QList<int> widths = codingRuleWidths(codingRule);
    for (const ClassNode &node : classes) {
        const QString code = node.code.trimmed();
        QTreeWidgetItem *parent = nodes.value(classParentKey(code, widths), root);
        auto *item =
            new QTreeWidgetItem(parent, { QStringLiteral("(%1) %2").arg(code, node.name) });
        const QString key = QStringLiteral("r") + code;
        item->setData(0, kKeyRole, key);
        nodes.insert(key, item);
    }
    root->setExpanded(true);
    tree.setCurrentItem(root);
}

QString classNodeKey(const QTreeWidgetItem *item)
{
    return item ? item->data(0, kKeyRole).toString() : QString();
}

} // namespace customer

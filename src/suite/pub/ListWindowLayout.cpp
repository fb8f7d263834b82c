#include "suite/pub/ListWindowLayout.h"

#include <QWidget>

#include <algorithm>

namespace suite {

QWidget *childNamed(QWidget *form, const QString &name)
{
    if (!form)
        return nullptr;
    const QList<QWidget *> children = form->findChildren<QWidget *>();
    const auto found = std::find_if(children.cbegin(), children.cend(), [&name](QWidget *child) {
        return child->objectName().compare(name, Qt::CaseInsensitive) == 0;
    });
    return found == children.cend() ? nullptr : *found;
}

TreeGridLayout TreeGridLayout::of(QWidget *form, const QString &cTreeName,
                                  const QString &cSeparatorName)
{
    return { childNamed(form, cTreeName), childNamed(form, cSeparatorName),
             childNamed(form, QStringLiteral("Grid")) };
}

int TreeGridLayout::clampedTreeWidth(int width) const
{
    if (!tree || !tree->parentWidget())
        return std::max(width, kMinTreeWidth);
    const int separatorWidth = separator ? separator->width() : 0;
    const int widest = tree->parentWidget()->width() - tree->x() - separatorWidth - kMinGridWidth;
    return std::max(std::min(width, widest), kMinTreeWidth);
}

void TreeGridLayout::setTreeWidth(int width) const
{
    if (!tree)
        return;
    tree->resize(width, tree->height());
    if (!separator)
        return;
    separator->move(tree->x() + width, separator->y());
    if (!grid || !grid->parentWidget())
        return;
    const int gridLeft = separator->x() + separator->width();
    grid->setGeometry(gridLeft, grid->y(), std::max(grid->parentWidget()->width() - gridLeft, 0),
                      grid->height());
}

} // namespace suite

#pragma once

#include <QString>

class QWidget;

namespace suite {

// The tree, separator and grid of a list window, found by their object names.
struct TreeGridLayout
{
    QWidget *tree = nullptr;
    QWidget *separator = nullptr;
    QWidget *grid = nullptr;

    // Finds the controls on form; cTreeName and cSeparatorName compare without regard to case,
    // as the windows pass them ("trv", "Trv").
    static TreeGridLayout of(QWidget *form, const QString &cTreeName = QStringLiteral("Trv"),
                             const QString &cSeparatorName = QStringLiteral("PicSeparate"));

    // The tree width that leaves room for the grid: no narrower than kMinTreeWidth, and
    // narrow enough for the separator and kMinGridWidth of grid.
    int clampedTreeWidth(int width) const;
    // Gives the tree the width; the separator follows the tree and the grid fills the rest.
    void setTreeWidth(int width) const;

    static constexpr int kMinTreeWidth = 40;
    static constexpr int kMinGridWidth = 80;
};

// The control of that object name on form, compared without regard to case; null when none.
QWidget *childNamed(QWidget *form, const QString &name);

} // namespace suite

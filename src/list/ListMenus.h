#pragma once

#include <QList>
#include <QString>

namespace customer {

// One item of the list window's menu bar: its name, the resource key of its caption, and the
// command key its click hands to Operating (empty for a menu, "-" for a separator).
struct ListMenuItem
{
    QString name;
    QString captionKey;
    QString command;
};

struct ListMenu
{
    QString name;
    QString captionKey;
    QList<ListMenuItem> items;
};

// The menus of the customer list, in the order of the menu bar.
const QList<ListMenu> &customerListMenus();

} // namespace customer

#pragma once

#include "suite/controls/Toolbar.h"

#include <QString>
#include <QStringList>

namespace customer {

// What tells one list window of the component from the other: the customer list over
// Customer and the import staging list over Customer_import share one window, one statement
// builder and one command dispatcher, with these pieces substituted.
struct ListVariant
{
    // The table every statement reads; also the function the lock service guards and the
    // object under which the user's settings, column set and print style are kept.
    QString mainTable;
    // The column whose value tells the rows apart: the page reader's key.
    QString keyField;
    // The key of the column dictionary and of the column rights ("customer").
    QString columnKey;
    // The resource key of the caption and print title.
    QString captionKey;
    QList<suite::ToolbarButtonDef> buttons;
    // The commands of the customer list that this list does not have: their buttons, menu
    // items and keys are hidden or do nothing.
    QStringList absentCommands;
    bool quickSearch = true;

    bool isCustomerList() const;
    bool offers(const QString &command) const;
};

const ListVariant &customerListVariant();
const ListVariant &importListVariant();

} // namespace customer

#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <utility>

namespace suite {

// One column of a list as the user arranges it.
struct Column
{
    // No width chosen: the list sizes the column to its caption and its first page.
    static constexpr int kDefaultWidth = 0;

    // As the catalogue names it: "Customer.cCusCode", "cCusName", "CustomerClass.cCCName".
    QString field;
    QString caption;
    QString originalCaption;
    bool visible = true;
    int width = kDefaultWidth;
    // 1-based position in the set.
    int order = 0;
    // "", "asc" or "desc".
    QString sort;
    bool mustInput = false;
    bool fixed = false;
    // The catalogue's own attributes (reftype, cRefID, ...) in their order.
    QList<std::pair<QString, QString>> details;
};

struct ColumnSet
{
    // The key as the caller gave it and the name of the XML root.
    QString key;
    QString rootName;
    QList<Column> columns;

    int visibleCount() const;
    int fixedCount() const;
    int indexOf(const QString &field) const;

    // Positions 1..n in the present order.
    void renumber();
    // Stable, by each column's order value.
    void sortByOrder();
    ColumnSet visibleOnly() const;
    ColumnSet withoutDetails() const;
    // The user's columns, with captions and attributes of the catalogue where it still has the
    // field; the catalogue's remaining columns follow hidden.
    ColumnSet completedFrom(const ColumnSet &catalogue, bool appendMissing) const;
    // The columns whose field (or its name after the table) is one of the lower-case names.
    ColumnSet without(const QStringList &withdrawnFields) const;
};

// Whether a withdrawn name (lower case, qualified or not) stands for the field.
bool fieldMatches(const QString &field, const QString &withdrawnName);

// A field usable in a select list: a name, optionally qualified by one table name.
bool isFieldName(const QString &field);

// "Ref" + table gives the table, any other key is the table itself.
QString tableOfKey(const QString &key);

} // namespace suite

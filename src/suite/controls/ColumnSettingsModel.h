#pragma once

#include "suite/colset/ColumnSet.h"

#include <QString>

namespace suite {

// What the column-settings control edits: the columns of one column-set XML in their order,
// each with its caption, shown flag, width, sort and fixed flag. Every change keeps the set
// numbered 1..n in its present order, so the XML it writes is what the user sees.
class ColumnSettingsModel
{
public:
    static constexpr int kMaxWidth = 2000;

    // False with sMsg when the XML does not read; the columns shown so far stay then.
    bool load(const QString &xml, QString &sMsg);
    QString xml() const;

    int count() const { return int(m_set.columns.size()); }
    // row must be within 0 .. count() - 1.
    const Column &column(int row) const { return m_set.columns.at(row); }

    // False when the column is already first (last) or row is out of range.
    bool moveUp(int row);
    bool moveDown(int row);

    // Each false with sMsg, and the column unchanged, for a row out of range or a bad value.
    bool setVisible(int row, bool visible, QString &sMsg);
    bool setCaption(int row, const QString &caption, QString &sMsg);
    bool setWidth(int row, int width, QString &sMsg);
    // "", "asc" or "desc", in any case.
    bool setSort(int row, const QString &sort, QString &sMsg);
    bool setFixed(int row, bool fixed, QString &sMsg);

private:
    bool checkRow(int row, QString &sMsg) const;
    bool swap(int row, int other);

    ColumnSet m_set;
};

} // namespace suite

#pragma once

#include "merge/DuplicateIndex.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QTableWidget;

namespace customer {

class ArchiveEntry;

// The likely duplicate customers the user may read, a pair a row with both customers side by
// side, why they look alike and a button that opens the merge window on the pair. The list
// is read when the window shows and again after each merge.
class FrmDuplicates : public QDialog
{
    Q_OBJECT

public:
    // m_cls is the entry instance through which the window reaches the list.
    explicit FrmDuplicates(ArchiveEntry *cls, QWidget *parent = nullptr);

    // The pairs shown, in the order of the rows.
    const QList<DuplicatePair> &pairs() const { return m_pairs; }
    // Reads the pairs again and shows them.
    void scan();

    ArchiveEntry *m_cls = nullptr;
    QLabel *LblStatus = nullptr;
    QTableWidget *GridPairs = nullptr;
    QPushButton *CmdClose = nullptr;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void showPairs();
    void mergeRow(int row);

    QList<DuplicatePair> m_pairs;
    bool m_scanned = false;
};

} // namespace customer

#pragma once

#include "suite/data/RecordSet.h"

#include <QDialog>

namespace suite {
class FindControl;
} // namespace suite

namespace customer {

class ArchiveEntry;
class FrmCus;

// The batch-modify window: the condition control Find picks the field, the value and the
// customers (the rows ticked in the list, or a condition); each confirmation runs BatchModify.
// The window stays open for further requests; closing it refreshes the list when something was
// saved.
class FrmZMulModify : public QDialog
{
    Q_OBJECT

public:
    // m_cls is the entry instance through which the window reaches the list. In class-setting
    // mode the request is always about the customer class: the user picks only the class.
    explicit FrmZMulModify(ArchiveEntry *cls, QWidget *parent = nullptr, bool classSetting = false);

    ArchiveEntry *m_cls = nullptr;
    suite::FindControl *Find = nullptr;

    void done(int result) override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void Form_Load();
    void Form_Activate();
    void Form_Unload();
    void handOverTickedRows();
    void Find_Confirm(const QString &field, const QString &caption, const QString &value,
                      const QString &condition, const QString &description);
    FrmCus *listWindow() const;
    // The table the list shows ("Customer" without a list) and its column-set key.
    QString mainTable() const;
    QString columnKey() const;

    suite::RecordSet m_fieldColumns;
    bool m_firstActivation = false;
    bool m_unloaded = false;
    bool m_classSetting = false;
};

} // namespace customer

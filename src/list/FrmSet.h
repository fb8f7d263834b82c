#pragma once

#include <QDialog>

namespace suite {
class ColumnSettings;
} // namespace suite

namespace customer {

class ArchiveEntry;
class FrmCus;

// The list's column-settings dialog: the customer column set in the column-settings control;
// on confirm the list is rebuilt from the chosen set (stored for the user when asked), on
// cancel nothing changes.
class FrmSet : public QDialog
{
    Q_OBJECT

public:
    // The dialog loads at once: m_cls is the entry instance through which it reaches the list.
    explicit FrmSet(ArchiveEntry *cls, QWidget *parent = nullptr);

    ArchiveEntry *m_cls = nullptr;
    suite::ColumnSettings *ColSet1 = nullptr;

    // The size the dialog keeps: 700 x 600 pixels plus 150 twips of height.
    static QSize fixedSize(QWidget *reference);

    void done(int result) override;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void Form_Load();
    void ColSet1_Confirm(bool save, const QString &xml);
    void reload(int returnMode);
    FrmCus *listWindow() const;
    QString columnSetKey() const;
};

} // namespace customer

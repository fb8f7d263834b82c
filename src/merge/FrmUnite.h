#pragma once

#include <QDialog>

class QGroupBox;
class QLabel;
class QPushButton;

namespace suite {
class RefEdit;
} // namespace suite

namespace customer {

class ArchiveEntry;

// The merge window: the first customer (txtCus1) is folded into the second (txtCus2). Each OK
// checks the input afresh, asks, and hands the request to CustomerUnite; after an attempt, or
// when the user declines, the window closes and the list is refreshed. Only a declined vendor
// question, or a customer outside the user's rights, keeps the window open with its input.
class FrmUnite : public QDialog
{
    Q_OBJECT

public:
    // m_cls is the entry instance through which the window reaches the list.
    explicit FrmUnite(ArchiveEntry *cls, QWidget *parent = nullptr);

    // Fills both customers, for a caller that already knows the pair (the duplicate list).
    void setCodes(const QString &code1, const QString &code2);

    ArchiveEntry *m_cls = nullptr;
    QGroupBox *Frame1 = nullptr;
    QLabel *Lblcus1 = nullptr;
    QLabel *Lblcus2 = nullptr;
    suite::RefEdit *txtCus1 = nullptr;
    suite::RefEdit *txtCus2 = nullptr;
    QPushButton *Cmdok = nullptr;
    QPushButton *Cmdcancel = nullptr;

    void done(int result) override;

private:
    void Form_Load();
    void Cmdok_Click();
    bool confirmed(const QString &code1);
    bool vendorQuestionAnswered(const QString &code1);
    bool withinRights(const QString &code1, const QString &code2);
    void closeAndRefresh();

    bool m_unloaded = false;
};

} // namespace customer

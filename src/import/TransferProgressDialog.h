#pragma once

#include "import/StagingTransfer.h"

class QProgressDialog;
class QWidget;

namespace customer {

// The transfer's progress in a window-modal progress dialog: the row count, and a Cancel
// button after which the transfer stops once the current row is done.
class TransferProgressDialog : public TransferProgress
{
public:
    explicit TransferProgressDialog(QWidget *parent);
    ~TransferProgressDialog() override;

    void started(int rows) override;
    void rowDone(int done) override;
    bool cancelRequested() override;

private:
    QProgressDialog *m_dialog = nullptr;
    int m_rows = 0;
};

} // namespace customer

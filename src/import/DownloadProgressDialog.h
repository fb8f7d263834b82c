#pragma once

#include "import/MarketingDownload.h"

class QProgressDialog;
class QWidget;

namespace customer {

// The download's progress in a window-modal dialog: the page asked for and the customers
// fetched so far, and a Cancel button after which the download ends with nothing merged. The
// windows are served while an answer is awaited.
class DownloadProgressDialog : public DownloadProgress
{
public:
    explicit DownloadProgressDialog(QWidget *parent);
    ~DownloadProgressDialog() override;

    void requesting(int page) override;
    void pageLanded(int page, qint64 rows) override;
    bool cancelRequested() override;

private:
    void show(int page);

    QProgressDialog *m_dialog = nullptr;
    qint64 m_rows = 0;
};

} // namespace customer

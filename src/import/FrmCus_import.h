#pragma once

#include "list/FrmCus.h"

namespace customer {

// The import staging list: the customer list's window over the staging table, with the
// download of the marketing service's customers into it ("Download"), the transfer of the
// ticked rows into the archive ("Sync") and the batch modification of staged rows
// ("MulModify", "SetCusClass") before they are transferred.
class FrmCus_import : public FrmCus
{
    Q_OBJECT

public:
    explicit FrmCus_import(QWidget *parent = nullptr);

    // The toolbar once a download has filled the staging table: the commands that work on its
    // rows become available and the download itself does not.
    void showDownloadedToolbar();

protected:
    bool runOwnCommand(const QString &command, const QString &MenuID) override;

private:
    void transferTickedRows();
    // Downloads the customers the marketing service has modified since the last download.
    void downloadCustomers();
    // Lands the rows of a CSV or XLSX file the user chooses in the staging table.
    void importFile();
    // The batch window over the staging rows; in class-setting mode for the class alone.
    void modifyStagedRows(bool classSetting);
};

} // namespace customer

#pragma once

#include "app/ListPage.h"
#include "suite/print/PrintData.h"

#include <QString>

namespace host {

// The whole customer list written to a file as the list window's "SaveFile" writes it: the
// user's print right, the columns the user's column set shows, every page of the rows the
// user may see, the page style stored for export. It works on the session the component was
// entered with (HeadlessSession).
class ListExport
{
public:
    // The rows written, or -1 with the reason in sMsg (nothing written). The rows are read and
    // written a page at a time; progress hears how far it has come.
    static qint64 write(const ListRequest &request, const QString &fileName,
                        const suite::PrintProgress &progress, QString &sMsg);
};

} // namespace host

#pragma once

#include "ListWindowFixture.h"

#include "import/FrmCus_import.h"
#include "suite/controls/ModalDisplay.h"

#include <functional>

// A customer-list test that reaches the import list the way a user does: the customer list's
// "Import" command.
class ImportListFixture : public ListWindowFixture
{
protected:
    // Presses the customer list's "Import" and works on the import list once it shows its
    // first page; the list is closed after.
    void withImportList(const std::function<void(customer::FrmCus_import *)> &work)
    {
        suite::ScopedModalHandler handler([&](QWidget *window) {
            auto *imports = qobject_cast<customer::FrmCus_import *>(window);
            ASSERT_NE(imports, nullptr);
            imports->resize(1000, 640);
            imports->show();
            settle();
            waitForPageCount();
            work(imports);
            imports->close();
        });
        m_list->Operating(QStringLiteral("Import"));
    }
};

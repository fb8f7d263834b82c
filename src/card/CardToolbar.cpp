#include "card/CardToolbar.h"

namespace customer {

namespace {

suite::ToolbarButtonDef button(const char *key, const char *captionKey, QStyle::StandardPixmap icon)
{
    return { QString::fromLatin1(key), QString::fromLatin1(captionKey), icon };
}

} // namespace

QList<suite::ToolbarButtonDef> customerCardButtons()
{
    return {
        button("SaveRs", "Tarn.AA.ARCHIVE.TOOLBAR.save", QStyle::SP_DialogSaveButton),
        button("SaveRsNew", "Tarn.AA.ARCHIVE.TOOLBAR.savenew", QStyle::SP_FileDialogNewFolder),
        button("Delete", "Tarn.AA.ARCHIVE.TOOLBAR.delete", QStyle::SP_TrashIcon),
        button("First", "Tarn.AA.ARCHIVE.TOOLBAR.first", QStyle::SP_MediaSkipBackward),
        button("Previous", "Tarn.AA.ARCHIVE.TOOLBAR.previous", QStyle::SP_MediaSeekBackward),
        button("Next", "Tarn.AA.ARCHIVE.TOOLBAR.next", QStyle::SP_MediaSeekForward),
        button("Last", "Tarn.AA.ARCHIVE.TOOLBAR.last", QStyle::SP_MediaSkipForward),
        button("Invoice", "Tarn.AA.ARCHIVE.TOOLBAR.invoice", QStyle::SP_FileDialogDetailedView),
        button("Person", "Tarn.AA.ARCHIVE.TOOLBAR.person", QStyle::SP_DirHomeIcon),
        button("Privilege", "Tarn.AA.ARCHIVE.TOOLBAR.privilege", QStyle::SP_VistaShield),
        button("cusAddress", "Tarn.AA.ARCHIVE.TOOLBAR.cusaddress", QStyle::SP_DriveNetIcon),
        button("CusBank", "Tarn.AA.ARCHIVE.TOOLBAR.cusbank", QStyle::SP_DriveHDIcon),
        button("contact", "Tarn.AA.ARCHIVE.TOOLBAR.contact", QStyle::SP_MessageBoxInformation),
        button("Exit", "Tarn.AA.ARCHIVE.TOOLBAR.exit", QStyle::SP_DialogCloseButton),
    };
}

} // namespace customer

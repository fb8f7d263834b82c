#include "suite/controls/CustomerListButtons.h"

namespace suite {

namespace {

ToolbarButtonDef button(const char *key, const char *captionKey, QStyle::StandardPixmap icon,
                        QList<ToolbarSubItem> subItems = {})
{
    return { QString::fromLatin1(key), QString::fromLatin1(captionKey), icon, true, true,
             std::move(subItems) };
}

ToolbarSubItem item(const char *key, const char *captionKey)
{
    return { QString::fromLatin1(key), QString::fromLatin1(captionKey) };
}

} // namespace

QList<ToolbarButtonDef> customerListButtons()
{
    return {
        button("Print", "Tarn.AA.ARCHIVE.TOOLBAR.print", QStyle::SP_DialogSaveButton,
               { item("Preview", "Tarn.AA.ARCHIVE.TOOLBAR.preview"),
                 item("SetUp", "Tarn.AA.ARCHIVE.TOOLBAR.setup") }),
        button("Preview", "Tarn.AA.ARCHIVE.TOOLBAR.preview", QStyle::SP_FileDialogContentsView),
        button("SaveFile", "Tarn.AA.ARCHIVE.TOOLBAR.savefile", QStyle::SP_DriveFDIcon),
        button("Add", "Tarn.AA.ARCHIVE.TOOLBAR.add", QStyle::SP_FileIcon),
        button("Modify", "Tarn.AA.ARCHIVE.TOOLBAR.modify", QStyle::SP_FileDialogDetailedView),
        button("Delete", "Tarn.AA.ARCHIVE.TOOLBAR.delete", QStyle::SP_TrashIcon),
        button("Filter", "Tarn.AA.ARCHIVE.TOOLBAR.filter", QStyle::SP_FileDialogListView),
        button("Pos", "Tarn.AA.ARCHIVE.TOOLBAR.pos", QStyle::SP_ArrowRight,
               { item("PosTree", "Tarn.AA.ARCHIVE.customerclass"),
                 item("PosGrid", "Tarn.AA.ARCHIVE.customerarch") }),
        button("Refresh", "Tarn.AA.ARCHIVE.TOOLBAR.refresh", QStyle::SP_BrowserReload),
        button("allsel", "Tarn.AA.ARCHIVE.TOOLBAR.allsel", QStyle::SP_DialogYesButton),
        button("allcancel", "Tarn.AA.ARCHIVE.TOOLBAR.allcancel", QStyle::SP_DialogNoButton),
        button("FieldSet", "Tarn.AA.ARCHIVE.TOOLBAR.fieldset", QStyle::SP_FileDialogInfoView),
        button("Credit", "Tarn.AA.ARCHIVE.TOOLBAR.credit", QStyle::SP_DialogApplyButton),
        button("Unite", "Tarn.AA.ARCHIVE.TOOLBAR.unite", QStyle::SP_ArrowDown,
               { item("Unite", "Tarn.AA.ARCHIVE.TOOLBAR.unite"),
                 item("Duplicates", "Tarn.AA.ARCHIVE.TOOLBAR.duplicates") }),
        button("MulModify", "Tarn.AA.ARCHIVE.TOOLBAR.mulmodify", QStyle::SP_FileDialogNewFolder),
        button("Cus_district", "Tarn.AA.ARCHIVE.TOOLBAR.district", QStyle::SP_DriveNetIcon),
        button("Import", "Tarn.AA.ARCHIVE.TOOLBAR.import", QStyle::SP_ArrowUp),
        button("Cus_Trade", "Tarn.AA.ARCHIVE.TOOLBAR.trade", QStyle::SP_ComputerIcon),
        button("OptionSet", "Tarn.AA.ARCHIVE.TOOLBAR.optionset", QStyle::SP_FileDialogStart),
        button("Help", "Tarn.AA.ARCHIVE.TOOLBAR.help", QStyle::SP_DialogHelpButton),
        button("Exit", "Tarn.AA.ARCHIVE.TOOLBAR.exit", QStyle::SP_DialogCloseButton),
    };
}

QList<ToolbarButtonDef> importListButtons()
{
    return {
        button("Print", "Tarn.AA.ARCHIVE.TOOLBAR.print", QStyle::SP_DialogSaveButton,
               { item("Preview", "Tarn.AA.ARCHIVE.TOOLBAR.preview"),
                 item("SetUp", "Tarn.AA.ARCHIVE.TOOLBAR.setup") }),
        button("Preview", "Tarn.AA.ARCHIVE.TOOLBAR.preview", QStyle::SP_FileDialogContentsView),
        button("SaveFile", "Tarn.AA.ARCHIVE.TOOLBAR.savefile", QStyle::SP_DriveFDIcon),
        button("Filter", "Tarn.AA.ARCHIVE.TOOLBAR.filter", QStyle::SP_FileDialogListView),
        button("Pos", "Tarn.AA.ARCHIVE.TOOLBAR.pos", QStyle::SP_ArrowRight,
               { item("PosTree", "Tarn.AA.ARCHIVE.customerclass"),
                 item("PosGrid", "Tarn.AA.ARCHIVE.importlist") }),
        button("Refresh", "Tarn.AA.ARCHIVE.TOOLBAR.refresh", QStyle::SP_BrowserReload),
        button("allsel", "Tarn.AA.ARCHIVE.TOOLBAR.allsel", QStyle::SP_DialogYesButton),
        button("allcancel", "Tarn.AA.ARCHIVE.TOOLBAR.allcancel", QStyle::SP_DialogNoButton),
        button("FieldSet", "Tarn.AA.ARCHIVE.TOOLBAR.fieldset", QStyle::SP_FileDialogInfoView),
        button("MulModify", "Tarn.AA.ARCHIVE.TOOLBAR.mulmodify", QStyle::SP_FileDialogNewFolder),
        button("SetCusClass", "Tarn.AA.ARCHIVE.TOOLBAR.setcusclass", QStyle::SP_DirIcon),
        // Rows reach the staging table from here: the marketing service's download and the
        // import of a CSV or XLSX file.
        button("Download", "Tarn.AA.ARCHIVE.TOOLBAR.download", QStyle::SP_ArrowDown),
        button("ImportFile", "Tarn.AA.ARCHIVE.TOOLBAR.importfile", QStyle::SP_DialogOpenButton),
        button("Sync", "Tarn.AA.ARCHIVE.TOOLBAR.sync", QStyle::SP_DialogApplyButton),
        button("Help", "Tarn.AA.ARCHIVE.TOOLBAR.help", QStyle::SP_DialogHelpButton),
        button("Exit", "Tarn.AA.ARCHIVE.TOOLBAR.exit", QStyle::SP_DialogCloseButton),
    };
}

} // namespace suite

#include "list/ListMenus.h"

namespace customer {

namespace {

ListMenuItem item(const char *name, const char *command)
{
    return { QLatin1StringView(name),
             QStringLiteral("Tarn.AA.CUSTOMER.FRMCUS.") + QLatin1StringView(name),
             QLatin1StringView(command) };
}

ListMenuItem separator(const char *name)
{
    return { QLatin1StringView(name), QString(), QStringLiteral("-") };
}

ListMenu menu(const char *name, QList<ListMenuItem> items)
{
    return { QLatin1StringView(name),
             QStringLiteral("Tarn.AA.CUSTOMER.FRMCUS.") + QLatin1StringView(name),
             std::move(items) };
}

} // namespace

const QList<ListMenu> &customerListMenus()
{
    static const QList<ListMenu> menus{
        menu("mFile",
             { item("mSetUp", "SetUp"), item("mPrintNo", "mPrintNo"), item("mPreview", "Preview"),
               item("mPrint", "Print"), separator("mnubox11"), item("mSaveFile", "SaveFile"),
               separator("mnubox12"), item("mExit", "Exit") }),
        menu("mOperation",
             { item("mAdd", "Add"), item("mModify", "Modify"), item("mDelete", "Delete"),
               separator("mbox21"), item("mFilter", "Filter"), item("mPos", "Pos"),
               item("mRefresh", "Refresh"), separator("mbox22"), item("mFieldSet", "FieldSet"),
               item("mCredit", "Credit"), item("mUnite", "Unite"),
               item("mDuplicates", "Duplicates"), item("mMulModify", "MulModify"), separator("m23"),
               item("mFindSet", "FindSet"), item("mOptionSet", "OptionSet") }),
        menu("mWindow", { item("mText", "mText"), item("mStb", "mStb") }),
        menu("mH", { item("mHelp", "Help"), item("mAbout", "About") }),
        menu("mOrder", { item("mAsc", ""), item("mDesc", "") }),
    };
    return menus;
}

} // namespace customer

#include "ClsPubFixture.h"

#include "suite/controls/CustomerListButtons.h"
#include "suite/controls/Toolbar.h"
#include "suite/controls/ToolbarSetStore.h"

#include <QAction>
#include <QMenu>
#include <QToolButton>

using namespace suite;

namespace {

const QString kCustomerSet = QStringLiteral("Archives_Customer_List");
const QString kSubsystem = QStringLiteral("AS");

QStringList keysOf(const QList<ToolbarButtonDef> &definitions)
{
    QStringList keys;
    for (const ToolbarButtonDef &definition : definitions)
        keys.append(definition.key);
    return keys;
}

QList<ToolbarButtonDef> threeButtons()
{
    return {
        { QStringLiteral("Add"), QStringLiteral("Tarn.AA.ARCHIVE.TOOLBAR.add"),
          QStyle::SP_FileIcon },
        { QStringLiteral("Delete"), QStringLiteral("Tarn.AA.ARCHIVE.TOOLBAR.delete"),
          QStyle::SP_TrashIcon },
        { QStringLiteral("Pos"),
          QStringLiteral("Tarn.AA.ARCHIVE.TOOLBAR.pos"),
          QStyle::SP_ArrowRight,
          true,
          true,
          { { QStringLiteral("PosTree"), QStringLiteral("Tarn.AA.ARCHIVE.customerclass") },
            { QStringLiteral("PosGrid"), QStringLiteral("Tarn.AA.ARCHIVE.customerarch") } } }
    };
}

QToolButton *toolButton(Toolbar &toolbar, const QString &key)
{
    return toolbar.findChild<QToolButton *>(key);
}

// The clicks a toolbar reported, each as {key, menu id}.
struct Clicks : QList<QVariantList>
{
    explicit Clicks(Toolbar &toolbar)
    {
        QObject::connect(&toolbar, &Toolbar::buttonClicked,
                         [this](const QString &key, const QString &menuId) {
                             append({ key, menuId });
                         });
    }
};

} // namespace

class ToolbarTest : public ClsPubTest
{
protected:
    void init(Toolbar &toolbar, const QList<ToolbarButtonDef> &definitions,
              const QString &user = QStringLiteral("demo"),
              const QString &setName = QStringLiteral("Archives_Customer_List"))
    {
        toolbar.init(definitions, m_company.connectionText(), login(user), setName, kSubsystem);
    }

    void storeSet(const QString &user, const QList<ToolbarSetEntry> &entries)
    {
        QString sMsg;
        ASSERT_TRUE(ToolbarSetStore(*m_service).save(kSubsystem, kCustomerSet, user, entries, sMsg))
            << qPrintable(sMsg);
    }
};

TEST_F(ToolbarTest, SharedSetOfTheDemoCompanyArrangesTheCustomerList)
{
    Toolbar toolbar;
    init(toolbar, customerListButtons());
    const QStringList expected{ "Print",        "Preview",  "SaveFile",  "Add",       "Modify",
                                "Delete",       "Filter",   "Pos",       "Refresh",   "allsel",
                                "allcancel",    "FieldSet", "Credit",    "Unite",     "MulModify",
                                "Cus_district", "Import",   "Cus_Trade", "OptionSet", "Help",
                                "Exit" };
    EXPECT_EQ(toolbar.visibleKeys(), expected);
    EXPECT_EQ(toolbar.objectName(), QStringLiteral("TLB2"));
    EXPECT_EQ(toolButton(toolbar, QStringLiteral("Add"))->text(), QStringLiteral("增加"));
    EXPECT_EQ(toolButton(toolbar, QStringLiteral("Cus_district"))->text(), QStringLiteral("地图"));
}

TEST_F(ToolbarTest, CaptionsFollowTheLoginLanguage)
{
    Toolbar toolbar;
    toolbar.init(threeButtons(), m_company.connectionText(),
                 login(QStringLiteral("demo"), QStringLiteral("en-us")), kCustomerSet, kSubsystem);
    EXPECT_EQ(toolButton(toolbar, QStringLiteral("Pos"))->text(), QStringLiteral("Locate"));
    const QMenu *menu = toolButton(toolbar, QStringLiteral("Pos"))->defaultAction()->menu();
    ASSERT_TRUE(menu);
    ASSERT_EQ(menu->actions().size(), 2);
    EXPECT_EQ(menu->actions().at(0)->text(), QStringLiteral("Customer Class"));
    EXPECT_EQ(menu->actions().at(1)->text(), QStringLiteral("Customer Archive"));
}

TEST_F(ToolbarTest, UserSetChoosesOrderAndHidesTheRest)
{
    storeSet(QStringLiteral("demo"),
             { { QStringLiteral("Pos"), true },
               { QStringLiteral("NoSuchButton"), true },
               { QStringLiteral("add"), false },
               { QStringLiteral("Delete"), true } });
    Toolbar mine;
    init(mine, threeButtons());
    EXPECT_EQ(mine.visibleKeys(), QStringList({ "Pos", "Delete" }));
    EXPECT_EQ(mine.keys(), QStringList({ "Pos", "Add", "Delete" }));
    EXPECT_FALSE(mine.hasButton(QStringLiteral("NoSuchButton")));
    mine.setButtonVisible(QStringLiteral("Add"), true);
    EXPECT_FALSE(mine.isButtonVisible(QStringLiteral("Add")));

    Toolbar theirs;
    init(theirs, threeButtons(), QStringLiteral("sales1"));
    EXPECT_EQ(theirs.visibleKeys(), QStringList({ "Add", "Delete", "Pos" }));
}

TEST_F(ToolbarTest, ButtonsLeftOutOfTheSetStayHiddenAndWindowCanHideMore)
{
    storeSet(QStringLiteral("demo"),
             { { QStringLiteral("Delete"), true }, { QStringLiteral("Add"), true } });
    Toolbar toolbar;
    init(toolbar, threeButtons());
    EXPECT_EQ(toolbar.visibleKeys(), QStringList({ "Delete", "Add" }));
    EXPECT_FALSE(toolbar.isButtonVisible(QStringLiteral("Pos")));
    toolbar.setButtonVisible(QStringLiteral("delete"), false);
    EXPECT_EQ(toolbar.visibleKeys(), QStringList({ "Add" }));
    toolbar.setButtonVisible(QStringLiteral("Delete"), true);
    EXPECT_EQ(toolbar.visibleKeys(), QStringList({ "Delete", "Add" }));
}

TEST_F(ToolbarTest, WithoutAReadableSetTheDefinitionsKeepTheirOrder)
{
    QList<ToolbarButtonDef> definitions = threeButtons();
    definitions[1].visible = false;

    Toolbar unknownSet;
    init(unknownSet, definitions, QStringLiteral("demo"), QStringLiteral("No_Such_Set"));
    EXPECT_EQ(unknownSet.visibleKeys(), QStringList({ "Add", "Pos" }));

    Toolbar noDatabase;
    noDatabase.init(definitions,
                    QStringLiteral("Provider=SQLite;Data Source=/nonexistent/KVDATA_001_2026.db"),
                    login(QStringLiteral("demo")), kCustomerSet, kSubsystem);
    EXPECT_EQ(noDatabase.visibleKeys(), QStringList({ "Add", "Pos" }));

    m_company.run(DemoCompanyCopy<>::Company, QStringLiteral("drop table AA_ToolbarSet"));
    Toolbar noTable;
    init(noTable, definitions);
    EXPECT_EQ(noTable.keys(), keysOf(definitions));
}

TEST_F(ToolbarTest, OnlyEnabledButtonsReportClicks)
{
    Toolbar toolbar;
    init(toolbar, threeButtons(), QStringLiteral("demo"), QStringLiteral("No_Such_Set"));
    Clicks clicks(toolbar);

    toolButton(toolbar, QStringLiteral("Add"))->click();
    toolbar.setButtonEnabled(QStringLiteral("ADD"), false);
    EXPECT_FALSE(toolbar.isButtonEnabled(QStringLiteral("Add")));
    toolButton(toolbar, QStringLiteral("Add"))->click();
    toolButton(toolbar, QStringLiteral("Delete"))->click();

    ASSERT_EQ(clicks.size(), 2);
    EXPECT_EQ(clicks.at(0), QVariantList({ QStringLiteral("Add"), QString() }));
    EXPECT_EQ(clicks.at(1), QVariantList({ QStringLiteral("Delete"), QString() }));
    EXPECT_FALSE(toolbar.isButtonEnabled(QStringLiteral("NoSuchButton")));
}

TEST_F(ToolbarTest, DropDownItemsReportTheirKeyAsMenuId)
{
    Toolbar toolbar;
    init(toolbar, threeButtons(), QStringLiteral("demo"), QStringLiteral("No_Such_Set"));
    Clicks clicks(toolbar);
    QMenu *menu = toolButton(toolbar, QStringLiteral("Pos"))->defaultAction()->menu();
    ASSERT_TRUE(menu);
    menu->findChild<QAction *>(QStringLiteral("PosTree"))->trigger();

    toolbar.setSubItems(
        QStringLiteral("Pos"),
        { { QStringLiteral("PosGrid"), QStringLiteral("Tarn.AA.ARCHIVE.customerarch") } });
    menu = toolButton(toolbar, QStringLiteral("Pos"))->defaultAction()->menu();
    ASSERT_TRUE(menu);
    ASSERT_EQ(menu->actions().size(), 1);
    menu->actions().first()->trigger();

    ASSERT_EQ(clicks.size(), 2);
    EXPECT_EQ(clicks.at(0), QVariantList({ QStringLiteral("Pos"), QStringLiteral("PosTree") }));
    EXPECT_EQ(clicks.at(1), QVariantList({ QStringLiteral("Pos"), QStringLiteral("PosGrid") }));
}

TEST_F(ToolbarTest, ButtonTextsCanBeSwitchedOff)
{
    Toolbar toolbar;
    init(toolbar, threeButtons());
    EXPECT_TRUE(toolbar.showText());
    EXPECT_EQ(toolButton(toolbar, QStringLiteral("Add"))->toolButtonStyle(),
              Qt::ToolButtonTextBesideIcon);
    toolbar.setShowText(false);
    EXPECT_FALSE(toolbar.showText());
    EXPECT_EQ(toolButton(toolbar, QStringLiteral("Add"))->toolButtonStyle(),
              Qt::ToolButtonIconOnly);
}

TEST_F(ToolbarTest, ASecondInitReplacesTheButtons)
{
    Toolbar toolbar;
    init(toolbar, customerListButtons());
    init(toolbar, threeButtons(), QStringLiteral("demo"), QStringLiteral("No_Such_Set"));
    EXPECT_EQ(toolbar.keys(), QStringList({ "Add", "Delete", "Pos" }));
    EXPECT_EQ(toolbar.actions().size(), 3);
}

TEST_F(ToolbarTest, SavingASetReplacesTheUsersRowsOnly)
{
    storeSet(QStringLiteral("demo"),
             { { QStringLiteral("Add"), true }, { QStringLiteral("Pos"), false } });
    storeSet(QStringLiteral("demo"), { { QStringLiteral("Delete"), true } });
    QList<ToolbarSetEntry> entries;
    QString sMsg;
    ToolbarSetStore store(*m_service);
    ASSERT_TRUE(store.read(kSubsystem, kCustomerSet, QStringLiteral("demo"), entries, sMsg));
    ASSERT_EQ(entries.size(), 1);
    EXPECT_EQ(entries.first().key, QStringLiteral("Delete"));
    ASSERT_TRUE(store.read(kSubsystem, kCustomerSet, QStringLiteral("sales1"), entries, sMsg));
    EXPECT_EQ(entries.size(), 21);
    ASSERT_TRUE(store.read(QStringLiteral("GL"), kCustomerSet, QString(), entries, sMsg));
    EXPECT_TRUE(entries.isEmpty());
}

TEST(ToolbarButtons, EveryCustomerListKeyIsDefinedOnceWithACaption)
{
    const QList<ToolbarButtonDef> definitions = customerListButtons();
    const QStringList keys = keysOf(definitions);
    for (const char *key : { "Add",          "Modify",   "Delete",    "Filter", "Pos",
                             "Refresh",      "FieldSet", "Credit",    "Unite",  "MulModify",
                             "Print",        "Preview",  "SaveFile",  "Help",   "Exit",
                             "Cus_district", "Import",   "Cus_Trade", "allsel", "allcancel",
                             "OptionSet" })
        EXPECT_EQ(keys.count(QString::fromLatin1(key)), 1) << key;
    for (const ToolbarButtonDef &definition : definitions)
        EXPECT_TRUE(definition.captionKey.startsWith(QStringLiteral("Tarn.")))
            << qPrintable(definition.key);
}

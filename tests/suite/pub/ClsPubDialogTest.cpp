#include "ClsPubFixture.h"

#include "suite/controls/ArchiveOptionDialog.h"
#include "suite/controls/ConditionDialog.h"
#include "suite/controls/FilterSettingsDialog.h"
#include "suite/controls/Grid.h"
#include "suite/controls/HelpWindow.h"
#include "suite/controls/LocateDialog.h"
#include "suite/controls/ModalDisplay.h"
#include "suite/controls/QueryReportWindow.h"
#include "suite/controls/ResultListDialog.h"
#include "suite/controls/StatusBar.h"
#include "suite/controls/TradeQuery.h"
#include "suite/data/RecordSet.h"
#include "suite/pub/IOptionSet.h"
#include "suite/pub/ResourceTable.h"

#include <QAction>
#include <QApplication>
#include <QToolBar>
#include <QTreeWidget>

using namespace suite;

namespace {

const QString kObjectName = QStringLiteral("客户档案");
const QString kCatalogue = QStringLiteral(
    "<Customer><Customer.CCusCode showfldname='客户编码' reftype='ref' cRefID=''/>"
    "<CCusName showfldname='客户名称' reftype='ref' cRefID=''/>"
    "<Customer.dEndDate showfldname='停用日期' reftype='date' cRefID=''/></Customer>");

LoginRecord record(const QString &userId, const QString &language = QStringLiteral("zh-cn"))
{
    LoginRecord login;
    login.cUserId = userId;
    login.LanguageRegion = language;
    return login;
}

template<typename Dialog> Dialog *as(QWidget *window)
{
    auto *dialog = qobject_cast<Dialog *>(window);
    EXPECT_TRUE(dialog) << "an unexpected window was shown";
    return dialog;
}

} // namespace

TEST_F(ClsPubTest, FindBuildsTheConditionAndStartsAgainFromItsLines)
{
    const auto pub = pubFor(QStringLiteral("demo"));
    QWidget form;
    form.setProperty("colInfoXml", kCatalogue);
    QString condition;
    {
        ScopedModalHandler handler([](QWidget *window) {
            auto *dialog = as<ConditionDialog>(window);
            ASSERT_EQ(dialog->rows().size(), 1);
            EXPECT_EQ(dialog->rows().first().field, QStringLiteral("Customer.CCusCode"));
            EXPECT_EQ(dialog->rows().first().op, FilterOperator::Contains);
            dialog->setRows({ { QStringLiteral("CCusName"), FilterOperator::Contains,
                                QStringLiteral("华'星"), true },
                              { QStringLiteral("Customer.CCusCode"), FilterOperator::BeginsWith,
                                QStringLiteral("01") } });
            EXPECT_TRUE(dialog->tryAccept());
        });
        EXPECT_TRUE(pub->Find(record(QStringLiteral("demo")), kObjectName, &form, condition));
    }
    EXPECT_EQ(condition,
              QStringLiteral("(charindex(upper(N'华''星'), upper(Customer.CCusName)) > 0 or "
                             "charindex(upper(N'01'), upper(Customer.CCusCode)) = 1)"));

    ScopedModalHandler keep([](QWidget *window) {
        auto *dialog = as<ConditionDialog>(window);
        ASSERT_EQ(dialog->rows().size(), 2);
        EXPECT_EQ(dialog->rows().first().value, QStringLiteral("华'星"));
        EXPECT_TRUE(dialog->rows().first().orNext);
        dialog->reject();
    });
    const QString before = condition;
    EXPECT_FALSE(pub->Find(record(QStringLiteral("demo")), kObjectName, &form, condition));
    EXPECT_EQ(condition, before);
}

TEST_F(ClsPubTest, FindKeepsTheDialogOpenOnABadValueAndItsConditionRunsOnTheDatabase)
{
    const auto pub = pubFor(QStringLiteral("demo"));
    QWidget form;
    form.setProperty("colInfoXml", kCatalogue);
    QString condition;
    ScopedModalHandler handler([](QWidget *window) {
        auto *dialog = as<ConditionDialog>(window);
        dialog->setRows({ { QStringLiteral("Customer.dEndDate"), FilterOperator::Equal,
                            QStringLiteral("someday") } });
        EXPECT_FALSE(dialog->tryAccept());
        EXPECT_EQ(dialog->errorText(),
                  QStringLiteral("“停用日期”的值“someday”不是日期（yyyy-mm-dd）。"));
        dialog->setRows(
            { { QStringLiteral("CCusName"), FilterOperator::Contains, QStringLiteral("100%") } });
        EXPECT_TRUE(dialog->tryAccept());
    });
    ASSERT_TRUE(pub->Find(record(QStringLiteral("demo")), kObjectName, &form, condition));
    m_company.run(DemoCompanyCopy<>::Company,
                  QStringLiteral("update Customer set cCusName='全国100%覆盖' where cCusCode="
                                 "(select min(cCusCode) from Customer)"));
    const RecordSet found =
        m_service->OpenX(QStringLiteral("select cCusName from Customer where ") + condition);
    ASSERT_TRUE(found.IsOpen()) << qPrintable(m_service->LastError());
    ASSERT_EQ(found.RecordCount(), 1) << "100 followed by a percent sign, not any 100...";
    EXPECT_EQ(found.valueAt(0, 0).toString(), QStringLiteral("全国100%覆盖"));
}

TEST_F(ClsPubTest, FindWithoutAColumnCatalogueTellsTheUser)
{
    const auto pub = pubFor(QStringLiteral("demo"));
    QWidget form;
    QString condition = QStringLiteral("1=1");
    EXPECT_FALSE(pub->Find(record(QStringLiteral("demo")), kObjectName, &form, condition));
    EXPECT_EQ(condition, QStringLiteral("1=1"));
    EXPECT_EQ(shownTexts(), QStringList({ QStringLiteral("该窗口没有可供过滤的栏目。") }));
}

TEST_F(ClsPubTest, FindSetStoresWhichFieldsTheFilterOffersPerUser)
{
    const auto pub = pubFor(QStringLiteral("demo"));
    QWidget form;
    form.setProperty("colInfoXml", kCatalogue);
    {
        ScopedModalHandler handler([](QWidget *window) {
            auto *dialog = as<FilterSettingsDialog>(window);
            dialog->setFieldShown(QStringLiteral("Customer.CCusCode"), false);
            dialog->setDefaultOperator(QStringLiteral("CCusName"), FilterOperator::BeginsWith);
            dialog->accept();
        });
        pub->FindSet(record(QStringLiteral("demo")), kObjectName, &form);
    }
    EXPECT_EQ(pub->GetRegEdit(kObjectName, QStringLiteral("FilterFields"), QString(), false,
                              QStringLiteral("demo")),
              QStringLiteral("Customer.CCusCode|like|0;CCusName|begin|1;Customer.dEndDate|=|1"));

    QString condition;
    ScopedModalHandler handler([](QWidget *window) {
        auto *dialog = as<ConditionDialog>(window);
        ASSERT_EQ(dialog->rows().size(), 1);
        EXPECT_EQ(dialog->rows().first().field, QStringLiteral("CCusName"));
        EXPECT_EQ(dialog->rows().first().op, FilterOperator::BeginsWith);
        dialog->reject();
    });
    pub->Find(record(QStringLiteral("demo")), kObjectName, &form, condition);
    EXPECT_TRUE(pub->GetRegEdit(kObjectName, QStringLiteral("FilterFields"), QString(), false,
                                QStringLiteral("sales1"))
                    .isEmpty());
}

TEST_F(ClsPubTest, FindPos2WalksTheTreeInShownOrderAndWraps)
{
    const auto pub = pubFor(QStringLiteral("demo"));
    QTreeWidget tree;
    auto *root = new QTreeWidgetItem(&tree, { QStringLiteral("客户分类") });
    auto *north = new QTreeWidgetItem(root, { QStringLiteral("(01) 华北") });
    auto *beijing = new QTreeWidgetItem(north, { QStringLiteral("(0101) 北京") });
    auto *east = new QTreeWidgetItem(root, { QStringLiteral("(02) 华东") });
    tree.setCurrentItem(root);
    QStringList found;
    ScopedModalHandler handler([&](QWidget *window) {
        auto *dialog = as<LocateDialog>(window);
        dialog->setText(QStringLiteral("华"));
        for (int search = 0; search < 3; ++search) {
            EXPECT_TRUE(dialog->findNext());
            found.append(tree.currentItem()->text(0));
        }
        dialog->setText(QStringLiteral("西南"));
        EXPECT_FALSE(dialog->findNext());
        EXPECT_EQ(dialog->messageText(), QStringLiteral("找不到“西南”。"));
        dialog->setText(QStringLiteral("0101"));
        EXPECT_TRUE(dialog->findNext());
        dialog->reject();
    });
    pub->FindPos2(nullptr, &tree);
    EXPECT_EQ(found, QStringList({ north->text(0), east->text(0), north->text(0) }));
    EXPECT_EQ(tree.currentItem(), beijing);
    EXPECT_TRUE(north->isExpanded());
}

TEST_F(ClsPubTest, ShowTipMsgExAnswersOneOnlyForYes)
{
    auto script =
        std::make_shared<MessageScript>(std::deque<int>{ MessageStyle::kYes, MessageStyle::kNo });
    ClsPub::installMessageScript(script);
    const auto pub = pubFor(QStringLiteral("demo"));
    EXPECT_EQ(pub->ShowTipMsgEx(m_service, nullptr, nullptr, QStringLiteral("华星"),
                                QStringLiteral("0101")),
              1);
    EXPECT_EQ(pub->ShowTipMsgEx(m_service, nullptr, nullptr, QStringLiteral("华星"),
                                QStringLiteral("0101")),
              0);
    EXPECT_EQ(pub->ShowTipMsgEx(m_service, nullptr, nullptr, QStringLiteral("华星"),
                                QStringLiteral("0101")),
              0)
        << "the default button is No";
    ASSERT_EQ(script->shown().size(), 3);
    EXPECT_EQ(script->shown().first().text, QStringLiteral("确定要删除客户“0101 华星”吗？"));
    EXPECT_EQ(script->shown().first().style, 4 + 32 + 256);
    ClsPub::installMessageScript(m_script);
}

TEST_F(ClsPubTest, ResultListShowsItsLinesAndNothingWhenEmpty)
{
    const auto pub = pubFor(QStringLiteral("demo"));
    RecordSet result;
    pub->ModifyInitMsg(result, QStringLiteral("客户编码说明"), QStringLiteral("cCusCode, cErrMsg"));
    ASSERT_TRUE(result.IsOpen());
    EXPECT_EQ(result.FieldCount(), 2);
    int shown = 0;
    ScopedModalHandler handler([&](QWidget *) { ++shown; });
    pub->ModifyShowMsg(result, QStringLiteral("Tarn.AA.ARCHIVE.COMMON.information"));
    EXPECT_EQ(shown, 0);

    pub->ModifyAddMsg(result, { QStringLiteral("0101"), QStringLiteral("删除成功") });
    pub->ModifyAddMsg(result, { QStringLiteral("0102") });
    ScopedModalHandler lines([](QWidget *window) {
        auto *dialog = as<ResultListDialog>(window);
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("提示"));
        EXPECT_EQ(dialog->heading(), QStringLiteral("客户编码说明"));
        EXPECT_EQ(dialog->headerText(0), QStringLiteral("客户编码"));
        EXPECT_EQ(dialog->headerText(1), QStringLiteral("说明"));
        ASSERT_EQ(dialog->lineCount(), 2);
        EXPECT_EQ(dialog->cellText(0, 1), QStringLiteral("删除成功"));
        EXPECT_EQ(dialog->cellText(1, 0), QStringLiteral("0102"));
        EXPECT_EQ(dialog->cellText(1, 1), QString());
    });
    pub->ModifyShowMsg(result, QStringLiteral("Tarn.AA.ARCHIVE.COMMON.information"));
}

TEST_F(ClsPubTest, DeleteBracketsShowTheBusyPointerOnceAndIgnoreAnUnmatchedEnd)
{
    const auto pub = pubFor(QStringLiteral("demo"));
    pub->DeleteEnded();
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    pub->DeleteStart();
    pub->DeleteStart();
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    pub->DeleteEnded();
    EXPECT_NE(QApplication::overrideCursor(), nullptr);
    pub->DeleteEnded();
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(ClsPubTest, FrmOptTogglesTheViewOptionsAndFrmOptInitRestoresThem)
{
    const auto pub = pubFor(QStringLiteral("demo"));
    const LoginRecord demo = record(QStringLiteral("demo"));
    const auto makeForm = [](QWidget &form) {
        auto *status = new StatusBar(3, &form);
        status->setObjectName(QStringLiteral("Stb"));
        auto *toolbar = new QToolBar(&form);
        toolbar->setObjectName(QStringLiteral("TLB2"));
        toolbar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        auto *printNo = new QAction(&form);
        printNo->setObjectName(QStringLiteral("mPrintNo"));
        form.addAction(printNo);
    };
    QWidget form;
    makeForm(form);
    pub->FrmOpt(&form, QStringLiteral("customer"), demo, QStringLiteral("mStb"));
    pub->FrmOpt(&form, QStringLiteral("customer"), demo, QStringLiteral("MTEXT"));
    pub->FrmOpt(&form, QStringLiteral("customer"), demo, QStringLiteral("mPrintNo"));
    EXPECT_TRUE(form.findChild<QWidget *>(QStringLiteral("Stb"))->isHidden());
    EXPECT_EQ(form.findChild<QToolBar *>(QStringLiteral("TLB2"))->toolButtonStyle(),
              Qt::ToolButtonIconOnly);
    EXPECT_TRUE(form.property("printNo").toBool());
    EXPECT_TRUE(form.findChild<QAction *>(QStringLiteral("mPrintNo"))->isChecked());
    const auto stored = [&](const char *key, const QString &user = QStringLiteral("demo")) {
        return pub->GetRegEdit(QStringLiteral("customer"), QLatin1String(key), QStringLiteral("?"),
                               false, user);
    };
    EXPECT_EQ(stored("ShowStatusBar"), QStringLiteral("0"));
    EXPECT_EQ(stored("ToolbarText"), QStringLiteral("0"));
    EXPECT_EQ(stored("PrintNo"), QStringLiteral("1"));
    EXPECT_EQ(stored("PrintNo", QStringLiteral("sales1")), QStringLiteral("?"));

    QWidget reopened;
    makeForm(reopened);
    pub->FrmOptInit(&reopened, QStringLiteral("Customer"), demo);
    EXPECT_TRUE(reopened.findChild<QWidget *>(QStringLiteral("Stb"))->isHidden());
    EXPECT_EQ(reopened.findChild<QToolBar *>(QStringLiteral("TLB2"))->toolButtonStyle(),
              Qt::ToolButtonIconOnly);
    EXPECT_TRUE(reopened.property("printNo").toBool());

    pub->FrmOpt(&reopened, QStringLiteral("customer"), demo, QStringLiteral("mStb"));
    EXPECT_FALSE(reopened.findChild<QWidget *>(QStringLiteral("Stb"))->isHidden());
    EXPECT_EQ(stored("ShowStatusBar"), QStringLiteral("1"));

    QWidget untouched;
    makeForm(untouched);
    pub->FrmOptInit(&untouched, QStringLiteral("customer"), record(QStringLiteral("sales1")));
    EXPECT_FALSE(untouched.findChild<QWidget *>(QStringLiteral("Stb"))->isHidden());
    EXPECT_FALSE(untouched.property("printNo").toBool());
}

TEST_F(ClsPubTest, ArchiveOptionsChangeOnlyForAnAdministrator)
{
    const auto pub = pubFor(QStringLiteral("demo"));
    auto options = createObject<IOptionSet>(QString::fromLatin1(IOptionSet::kProgId));
    ASSERT_TRUE(options);
    {
        ScopedModalHandler handler([](QWidget *window) {
            auto *dialog = as<ArchiveOptionDialog>(window);
            EXPECT_FALSE(dialog->isEditable());
            dialog->setValues({ false, false, true });
            dialog->accept();
        });
        EXPECT_FALSE(options->Show(record(QStringLiteral("sales1")), pub, m_service,
                                   QStringLiteral("Customer"), false));
    }
    bool canAdd = false;
    bool canModify = false;
    pub->InitArchEditParam(m_service, QStringLiteral("Customer"), canAdd, canModify);
    EXPECT_TRUE(canAdd);
    EXPECT_TRUE(canModify);

    ScopedModalHandler handler([](QWidget *window) {
        auto *dialog = as<ArchiveOptionDialog>(window);
        EXPECT_TRUE(dialog->isEditable());
        EXPECT_EQ(dialog->values(), (ArchiveOptionValues{ true, true, true }));
        dialog->setValues({ false, true, false });
        dialog->accept();
    });
    EXPECT_TRUE(options->Show(record(QStringLiteral("demo")), pub, m_service,
                              QStringLiteral("Customer"), false));
    pub->InitArchEditParam(m_service, QStringLiteral("Customer"), canAdd, canModify);
    EXPECT_FALSE(canAdd);
    EXPECT_TRUE(canModify);
    EXPECT_EQ(
        m_company.column(DemoCompanyCopy<>::Company,
                         QStringLiteral("select cValue || '/' || cID || '/' || cCaption from "
                                        "AccInformation where cName='AutoCreateMnemCodeCustomer'")),
        QStringList({ QStringLiteral("0/30/客户助记码自动生成") }));
}

TEST_F(ClsPubTest, HelpFollowsTheWindowsContextInTheLoginsLanguage)
{
    QWidget form;
    const auto chinese = pubFor(QStringLiteral("demo"));
    chinese->HelpX(&form, false, QStringLiteral("Customer"));
    chinese->HelpShow(QStringLiteral("PosTree"), &form, false);
    EXPECT_EQ(form.property("helpCommand").toString(), QStringLiteral("PosTree"));
    QString text;
    QString page;
    ScopedModalHandler handler([&](QWidget *window) {
        auto *help = as<HelpWindow>(window);
        text = help->plainText();
        page = help->pageResource();
    });
    chinese->ShowHelp(&form, false);
    EXPECT_EQ(page, QStringLiteral(":/help/customer.zh-CN.html"));
    for (const char *expected : { "过滤", "Ctrl+F3", "F8", "Alt+F4", "PgUp", "分页" })
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected;

    text.clear();
    chinese->ShowHelp(&form, true);
    EXPECT_TRUE(text.isEmpty()) << "no help window in web mode";

    const auto english = pubFor(QStringLiteral("demo"), QStringLiteral("en-us"));
    english->ShowHelp(&form, false);
    EXPECT_EQ(page, QStringLiteral(":/help/customer.en-US.html"));
    EXPECT_TRUE(text.contains(QStringLiteral("Filter")));
    EXPECT_TRUE(text.contains(QStringLiteral("Ctrl+P")));
    EXPECT_EQ(helpPageResource(QStringLiteral("CustomerCredit"), QStringLiteral("en-us")),
              QStringLiteral(":/help/customer.en-US.html"));
}

TEST_F(ClsPubTest, TradeQueryReportsReceivablesOfTheChosenCustomers)
{
    const QStringList codes =
        m_company.column(DemoCompanyCopy<>::Company,
                         QStringLiteral("select cCusCode from Customer order by cCusCode limit 3"));
    ASSERT_EQ(codes.size(), 3);
    m_company.run(
        DemoCompanyCopy<>::Company,
        QStringLiteral("delete from Ar_Detail; create table TradeCodes (cCusCode varchar(40));"
                       "insert into TradeCodes values ('%1'), ('%2');"
                       "insert into Ar_Detail (cDwCode, dVouchDate, cVouchType, cVouchID,"
                       " iDAmount, iCAmount) values"
                       " ('%1', '2026-01-05', 'R0', 'FP001', 1000, 0),"
                       " ('%1', '2026-02-10', 'R0', 'FP002', 500.25, 0),"
                       " ('%1', '2026-02-20', '48', 'SK001', 0, 800),"
                       " ('%3', '2026-02-21', 'R0', 'FP003', 99, 0)")
            .arg(codes.at(0), codes.at(1), codes.at(2)));
    const QMap<QString, QString> conditions = {
        { QStringLiteral("客户"),
          QStringLiteral("cCusCode in ( select  cCusCode from TradeCodes)") },
        { QStringLiteral("查询类型"), QStringLiteral("1") }
    };
    const auto pub = pubFor(QStringLiteral("demo"));
    ScopedModalHandler handler([&](QWidget *window) {
        auto *report = as<QueryReportWindow>(window);
        EXPECT_EQ(report->windowTitle(), QStringLiteral("客户交易查询"));
        EXPECT_EQ(report->headerText(6), QStringLiteral("应收余额"));
        ASSERT_EQ(report->lineCount(), 3) << "two customers and the totals";
        const QStringList first = { report->cellText(0, 0), report->cellText(0, 2),
                                    report->cellText(0, 3), report->cellText(0, 4),
                                    report->cellText(0, 5), report->cellText(0, 6),
                                    report->cellText(0, 7), report->cellText(0, 8) };
        EXPECT_EQ(
            first,
            QStringList({ codes.at(0), QStringLiteral("2"), QStringLiteral("1500.25"),
                          QStringLiteral("1"), QStringLiteral("800.00"), QStringLiteral("700.25"),
                          QStringLiteral("2026-02-10"), QStringLiteral("2026-02-20") }));
        EXPECT_EQ(report->cellText(1, 0), codes.at(1));
        EXPECT_EQ(report->cellText(1, 6), QStringLiteral("0.00"));
        EXPECT_EQ(report->cellText(1, 7), QString());
        EXPECT_EQ(report->cellText(2, 0), QStringLiteral("合计"));
        EXPECT_EQ(report->cellText(2, 2), QStringLiteral("2"));
        EXPECT_EQ(report->cellText(2, 6), QStringLiteral("700.25"));
    });
    const QString query = QStringLiteral("E92B30FF-3236-4FC6-AB7D-D4E5FB6B64FE");
    const QString report = QStringLiteral("41e45703-c28b-46cb-9755-5e3665271abf");
    EXPECT_TRUE(pub->ShowQueryReport(record(QStringLiteral("demo")), m_service, query, report,
                                     QStringLiteral("AS"), conditions));
    EXPECT_FALSE(pub->ShowQueryReport(record(QStringLiteral("demo")), m_service, report, report,
                                      QStringLiteral("AS"), conditions));
    EXPECT_EQ(shownTexts().last(),
              QStringLiteral("没有对象“41e45703-c28b-46cb-9755-5e3665271abf”的查询。"));
    EXPECT_FALSE(pub->ShowQueryReport(record(QStringLiteral("demo")), m_service, query, query,
                                      QStringLiteral("AS"), conditions));
    EXPECT_EQ(shownTexts().last(),
              QStringLiteral("客户交易查询没有报表“E92B30FF-3236-4FC6-AB7D-D4E5FB6B64FE”。"));
}

TEST_F(ClsPubTest, TradeQueryConditionsAreTheUsersKeptOnes)
{
    const QString query = QStringLiteral("E92B30FF-3236-4FC6-AB7D-D4E5FB6B64FE");
    const auto pub = pubFor(QStringLiteral("demo"));
    QMap<QString, QString> conditions;
    ASSERT_TRUE(pub->OpenQuery(record(QStringLiteral("demo")), m_service, query.toLower(),
                               QStringLiteral("AS"), conditions));
    EXPECT_EQ(conditions,
              (QMap<QString, QString>{ { QStringLiteral("客户"), QString() },
                                       { QStringLiteral("查询类型"), QStringLiteral("1") } }));
    pub->SaveRegEdit(query, QStringLiteral("客户"), QStringLiteral("cCCCode like '01%'"), false,
                     QStringLiteral("demo"));
    ASSERT_TRUE(pub->OpenQuery(record(QStringLiteral("demo")), m_service, query,
                               QStringLiteral("AS"), conditions));
    EXPECT_EQ(conditions.value(QStringLiteral("客户")), QStringLiteral("cCCCode like '01%'"));
    ASSERT_TRUE(pub->OpenQuery(record(QStringLiteral("sales1")), m_service, query,
                               QStringLiteral("AS"), conditions));
    EXPECT_EQ(conditions.value(QStringLiteral("客户")), QString()) << "kept for its user only";
    EXPECT_FALSE(pub->OpenQuery(record(QStringLiteral("demo")), m_service,
                                QStringLiteral("no-such-query"), QStringLiteral("AS"), conditions));
    EXPECT_EQ(shownTexts().last(), QStringLiteral("没有对象“no-such-query”的查询。"));
}

TEST(TradeQuery, StatementFollowsTheQueryType)
{
    const ResourceTable &texts = ResourceTable::builtIn(QStringLiteral("zh-cn"));
    const QString object = QString::fromLatin1(TradeQuery::kCustomerTradeObject).toLower();
    QString sql;
    QString sMsg;
    ASSERT_TRUE(TradeQuery::statement(object,
                                      { { QStringLiteral("客户"), QStringLiteral("cCusCode='01'") },
                                        { QStringLiteral("查询类型"), QStringLiteral("2") } },
                                      texts, sql, sMsg));
    EXPECT_TRUE(sql.startsWith(
        QStringLiteral("select Customer.cCusCode, Customer.cCusAbbName, Ar_Detail.dVouchDate,")));
    EXPECT_TRUE(sql.contains(QStringLiteral(" where (cCusCode='01') order by Customer.cCusCode, "
                                            "Ar_Detail.dVouchDate, Ar_Detail.Auto_ID")));
    ASSERT_TRUE(TradeQuery::statement(object, {}, texts, sql, sMsg));
    EXPECT_TRUE(sql.contains(
        QStringLiteral(" where (1=1) group by Customer.cCusCode, Customer.cCusAbbName")));
    EXPECT_FALSE(TradeQuery::statement(
        object, { { QStringLiteral("查询类型"), QStringLiteral("3") } }, texts, sql, sMsg));
    EXPECT_EQ(sMsg, QStringLiteral("查询类型“3”无法识别。"));
    EXPECT_EQ(TradeQuery::captionKeys({}).size(), 9);
}

namespace {

// A list grid: serial number, selection, code and abbreviation columns, one header row.
void fillGrid(Grid &grid, const QList<QStringList> &rows)
{
    grid.setCols(4);
    grid.setRows(int(rows.size()) + 1);
    grid.setFixedRows(1);
    const QStringList header = { QString(), QString(), QStringLiteral("客户编码"),
                                 QStringLiteral("客户简称") };
    for (int col = 0; col < 4; ++col)
        grid.setTextMatrix(0, col, header.at(col));
    for (int row = 0; row < rows.size(); ++row) {
        for (int col = 0; col < 4; ++col)
            grid.setTextMatrix(row + 1, col, rows.at(row).value(col));
    }
}

} // namespace

TEST_F(ClsPubTest, FindPosMovesToTheNextMatchingRowAndWraps)
{
    const auto pub = pubFor(QStringLiteral("demo"));
    Grid grid;
    fillGrid(
        grid,
        { { QStringLiteral("1"), QString(), QStringLiteral("0101"), QStringLiteral("华星") },
          { QStringLiteral("2"), QString(), QStringLiteral("0102"), QStringLiteral("东方") },
          { QStringLiteral("3"), QString(), QStringLiteral("0201"), QStringLiteral("华联") } });
    grid.setRow(1);
    QList<int> rows;
    ScopedModalHandler handler([&](QWidget *window) {
        auto *dialog = as<LocateDialog>(window);
        dialog->setColumn(1);
        dialog->setText(QStringLiteral("华"));
        for (int search = 0; search < 2; ++search) {
            EXPECT_TRUE(dialog->findNext());
            rows.append(grid.Row());
        }
        dialog->setColumn(0);
        dialog->setText(QStringLiteral("华"));
        EXPECT_FALSE(dialog->findNext()) << "the code column holds no 华";
        dialog->reject();
    });
    pub->FindPos(nullptr, &grid);
    EXPECT_EQ(rows, QList<int>({ 3, 1 }));
}

TEST_F(ClsPubTest, ShowTipMsgNamesTheTickedRowsAndAnswersOneForYes)
{
    auto script =
        std::make_shared<MessageScript>(std::deque<int>{ MessageStyle::kYes, MessageStyle::kNo });
    ClsPub::installMessageScript(script);
    const auto pub = pubFor(QStringLiteral("demo"));
    Grid grid;
    QList<QStringList> rows;
    for (int number = 1; number <= 7; ++number) {
        rows.append({ QString::number(number), number == 2 ? QString() : QStringLiteral("Y"),
                      QStringLiteral("01%1").arg(number, 2, 10, QChar(u'0')),
                      QStringLiteral("客户%1").arg(number) });
    }
    fillGrid(grid, rows);
    EXPECT_EQ(pub->ShowTipMsg(m_service, nullptr, &grid, 2, 3), 1);
    EXPECT_EQ(pub->ShowTipMsg(m_service, nullptr, &grid, 2, 3), 0);
    ASSERT_EQ(script->shown().size(), 2);
    EXPECT_EQ(script->shown().first().text,
              QStringLiteral("确定要删除选中的 6 个客户吗？\n0101 客户1\n0103 客户3\n0104 客户4\n"
                             "0105 客户5\n0106 客户6\n……"));

    Grid nothingTicked;
    fillGrid(
        nothingTicked,
        { { QStringLiteral("1"), QString(), QStringLiteral("0101"), QStringLiteral("华星") } });
    EXPECT_EQ(pub->ShowTipMsg(m_service, nullptr, &nothingTicked, 2, 3), 0);
    EXPECT_EQ(script->shown().size(), 2) << "nothing to ask about";
    ClsPub::installMessageScript(m_script);
}

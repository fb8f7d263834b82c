#include "ClsPubFixture.h"

#include "suite/colset/IColumnSet.h"
#include "suite/controls/Grid.h"
#include "suite/data/PageStatements.h"

#include <QAction>
#include <QElapsedTimer>
#include <QMenu>

using namespace suite;

namespace {

const QString kSelect = QStringLiteral("'' as SelCol,Customer.cCusCode,cCusName");
const QString kClassJoin =
    QStringLiteral(" Left join CustomerClass on Customer.cCCCode=CustomerClass.cCCCode ");

const QString kColumnSet = QStringLiteral(
    "<Customer ckey=\"Customer\" icols=\"3\" ifixcols=\"1\">"
    "<Customer.cCusCode showfldname=\"Code\" iwidth=\"120\" iorder=\"1\" csort=\"asc\" "
    "bshow=\"1\" bfixed=\"1\"/>"
    "<cCusName showfldname=\"Name\" iwidth=\"200\" iorder=\"2\" bshow=\"1\"/>"
    "<CustomerClass.cCCName showfldname=\"Class\" iorder=\"3\" bshow=\"0\"/>"
    "<cCusPhone showfldname=\"Phone\" iwidth=\"90\" iorder=\"4\" csort=\"desc\" bshow=\"1\"/>"
    "</Customer>");

// The list window as the public service sees it: a form holding a grid named "Grid".
struct ListForm
{
    ListForm()
    {
        grid->setObjectName(QStringLiteral("Grid"));
        grid->resize(400, 300);
    }
    QWidget form;
    Grid *grid = new Grid(&form);
};

class ClsPubGridTest : public ClsPubTest
{
protected:
    void SetUp() override
    {
        ClsPubTest::SetUp();
        m_pub = pubFor(QStringLiteral("demo"));
        ASSERT_TRUE(m_pub);
    }

    struct Page
    {
        bool ok = false;
        int page = 0;
        int pageCount = 0;
        RecordSet rs;
    };

    Page read(int page, int pageSize, const QString &where, const QString &order = QString(),
              const QString &join = QString())
    {
        Page result;
        result.page = page;
        result.ok =
            m_pub->GetPageRst(&m_list.form, m_service, result.rs, QStringLiteral("Customer"),
                              QStringLiteral("cCusCode"), kSelect, join, where, order, result.page,
                              pageSize, result.pageCount);
        return result;
    }

    static QStringList codes(const RecordSet &rs)
    {
        QStringList list;
        for (int row = 0; row < rs.RecordCount(); ++row)
            list.append(rs.valueAt(row, rs.FieldIndex(QStringLiteral("cCusCode"))).toString());
        return list;
    }

    int customers() const
    {
        return m_company.column(m_company.Company, QStringLiteral("select count(*) from Customer"))
            .value(0)
            .toInt();
    }

    std::shared_ptr<IPub> m_pub;
    ListForm m_list;
};

} // namespace

TEST_F(ClsPubGridTest, PageCountAndClampsFollowTheRowsThereAre)
{
    const int rows = customers();
    ASSERT_GT(rows, 7);
    const Page first = read(0, 3, QStringLiteral(" where 1=1"));
    ASSERT_TRUE(first.ok);
    EXPECT_EQ(first.page, 1);
    EXPECT_EQ(first.pageCount, (rows + 2) / 3);
    EXPECT_EQ(first.rs.RecordCount(), 3);

    const Page beyond = read(999, 3, QStringLiteral(" where 1=1"));
    ASSERT_TRUE(beyond.ok);
    EXPECT_EQ(beyond.page, beyond.pageCount);
    EXPECT_EQ(beyond.rs.RecordCount(), rows - 3 * (beyond.pageCount - 1));
    EXPECT_EQ(beyond.rs.FieldCount(), 3);
}

TEST_F(ClsPubGridTest, NoRowsIsOneEmptyPageWithTheSelectListsFields)
{
    const Page empty = read(5, 10, QStringLiteral("where 1=2"));
    ASSERT_TRUE(empty.ok);
    EXPECT_EQ(empty.page, 1);
    EXPECT_EQ(empty.pageCount, 1);
    EXPECT_TRUE(empty.rs.IsOpen());
    EXPECT_EQ(empty.rs.RecordCount(), 0);
    EXPECT_EQ(empty.rs.FieldIndex(QStringLiteral("cCusName")), 2);
}

TEST_F(ClsPubGridTest, PagesFollowTheOrderWithTheKeyAsTieBreak)
{
    const QStringList expected = m_company.column(
        m_company.Company,
        QStringLiteral("select cCusCode from Customer order by cCCCode desc, cCusCode"));
    QStringList seen;
    int pageCount = 1;
    for (int page = 1; page <= pageCount; ++page) {
        const Page part = read(page, 4, QString(), QStringLiteral(" Order by cCCCode desc "));
        ASSERT_TRUE(part.ok);
        pageCount = part.pageCount;
        seen += codes(part.rs);
    }
    EXPECT_EQ(seen, expected);
}

TEST_F(ClsPubGridTest, ForwardRowsAreThoseOfEveryPageOneAfterTheOther)
{
    const QString where = QStringLiteral(" where CustomerClass.cCCName is not null");
    const QString order = QStringLiteral(" Order by Customer.cCCCode desc ");
    QStringList paged;
    int pageCount = 1;
    for (int page = 1; page <= pageCount; ++page) {
        const Page part = read(page, 3, where, order, kClassJoin);
        ASSERT_TRUE(part.ok);
        pageCount = part.pageCount;
        paged += codes(part.rs);
    }
    ASSERT_GT(paged.size(), 6);

    QString sMsg;
    const PageRequest request{
        QStringLiteral("Customer"), QStringLiteral("cCusCode"), kSelect, kClassJoin, where, order
    };
    const std::unique_ptr<SqlCursor> cursor = m_pub->OpenRstForward(m_service, request, sMsg);
    ASSERT_TRUE(cursor) << qPrintable(sMsg);
    ASSERT_EQ(cursor->fields().size(), 3);
    EXPECT_EQ(cursor->fields().at(1).name, QStringLiteral("cCusCode"));
    QStringList forward;
    while (cursor->next(sMsg))
        forward.append(QString::fromUtf8(cursor->utf8(1)));
    EXPECT_TRUE(sMsg.isEmpty()) << qPrintable(sMsg);
    EXPECT_EQ(forward, paged);

    EXPECT_FALSE(m_pub->OpenRstForward(
        m_service, { request.table, request.keyField, kSelect, QString(), " where nope = 1", {} },
        sMsg));
    EXPECT_TRUE(sMsg.contains(QStringLiteral("nope"))) << "names the column: " << qPrintable(sMsg);
    EXPECT_FALSE(m_pub->OpenRstForward(nullptr, request, sMsg));
    EXPECT_FALSE(sMsg.isEmpty());
}

TEST_F(ClsPubGridTest, AForwardReadNeedsOneSelect)
{
    QString sMsg;
    EXPECT_FALSE(m_service->OpenForward(QStringLiteral("delete from Customer"), sMsg));
    EXPECT_EQ(sMsg, QStringLiteral("Rows can only be read forward from one select statement."));
    EXPECT_EQ(m_company.column(m_company.Company, QStringLiteral("select count(*) from Customer"))
                  .value(0)
                  .toInt(),
              customers());
    EXPECT_GT(customers(), 0) << "the delete was not run";
}

TEST_F(ClsPubGridTest, AnOrderPartWithoutItemsReadsInKeyOrder)
{
    const QStringList expected = m_company.column(
        m_company.Company, QStringLiteral("select cCusCode from Customer order by cCusCode"));
    const Page page = read(1, 5, QStringLiteral(" where 1=1"), QStringLiteral(" Order by "));
    ASSERT_TRUE(page.ok);
    EXPECT_EQ(codes(page.rs), expected.mid(0, 5));
}

TEST_F(ClsPubGridTest, AWhereOnAJoinedTableIsCountedWithTheJoin)
{
    const QString className =
        m_company
            .column(m_company.Company,
                    QStringLiteral("select cCCName from CustomerClass c where exists (select 1 "
                                   "from Customer where cCCCode = c.cCCCode) order by cCCCode"))
            .value(0);
    ASSERT_FALSE(className.isEmpty());
    const QStringList expected = m_company.column(
        m_company.Company,
        QStringLiteral("select cCusCode from Customer join CustomerClass on "
                       "Customer.cCCCode = CustomerClass.cCCCode where cCCName = '%1' "
                       "order by cCusCode")
            .arg(className));
    for (const QString &where : { QStringLiteral(" where CustomerClass.cCCName = '%1'"),
                                  QStringLiteral(" where cccname = '%1'") }) {
        const Page page = read(1, 100, where.arg(className), QString(), kClassJoin);
        ASSERT_TRUE(page.ok) << qPrintable(where);
        EXPECT_EQ(page.pageCount, 1);
        EXPECT_EQ(codes(page.rs), expected) << qPrintable(where);
    }
}

TEST_F(ClsPubGridTest, ARejectedStatementAnswersFalseWithAClosedRecordSet)
{
    const Page bad = read(1, 5, QStringLiteral(" where no_such_column = 1"));
    EXPECT_FALSE(bad.ok);
    EXPECT_FALSE(bad.rs.IsOpen());
    EXPECT_FALSE(read(1, 0, QString()).ok);
    RecordSet rs;
    int page = 1;
    int count = 0;
    EXPECT_FALSE(m_pub->GetPageRst(nullptr, nullptr, rs, QStringLiteral("Customer"),
                                   QStringLiteral("cCusCode"), kSelect, QString(), QString(),
                                   QString(), page, 5, count));
}

TEST_F(ClsPubGridTest, FindCodeLandsOnItsPageAndMakesItsRowCurrent)
{
    const QStringList ordered = m_company.column(
        m_company.Company, QStringLiteral("select cCusCode from Customer order by cCusCode"));
    ASSERT_GT(ordered.size(), 10);
    const QString wanted = ordered.at(9);
    m_pub->setIsFindCode(true);
    m_pub->setCodeValue(wanted.toLower());
    m_pub->setCodeFldName(QStringLiteral("cCusCode"));
    EXPECT_TRUE(m_pub->IsFindCode());
    EXPECT_EQ(m_pub->CodeFldName(), QStringLiteral("cCusCode"));

    QString text;
    int cols = 0;
    int fixed = 0;
    QString order;
    QString fields;
    ASSERT_TRUE(m_pub->getColSet(kColumnSet, fields, cols, order, fixed, m_list.grid, text));
    const Page page = read(1, 3, QStringLiteral(" where 1=1"));
    ASSERT_TRUE(page.ok);
    EXPECT_EQ(page.page, 4);
    m_pub->BindRstToGrid(&m_list.form, page.rs);
    EXPECT_EQ(m_list.grid->TextMatrix(m_list.grid->Row(), 2), wanted);
    EXPECT_EQ(m_list.grid->Row(), 1);

    m_pub->setIsFindCode(false);
    m_pub->BindRstToGrid(&m_list.form, read(2, 3, QString()).rs);
    EXPECT_EQ(m_list.grid->Row(), 1);
}

TEST_F(ClsPubGridTest, GetColSetBuildsTheSelectListOrderAndHeader)
{
    QString fields;
    QString order;
    QString text = QStringLiteral("stale");
    int cols = 0;
    int fixed = 0;
    ASSERT_TRUE(m_pub->getColSet(kColumnSet, fields, cols, order, fixed, m_list.grid, text));
    EXPECT_EQ(fields, QStringLiteral("'' as SelCol,Customer.cCusCode,cCusName,cCusPhone"));
    EXPECT_EQ(order, QStringLiteral("Customer.cCusCode,cCusPhone desc"));
    EXPECT_EQ(cols, 3);
    EXPECT_EQ(fixed, 1);
    EXPECT_TRUE(text.isEmpty());
    Grid &grid = *m_list.grid;
    EXPECT_EQ(grid.Cols(), 5);
    EXPECT_EQ(grid.Rows(), 1);
    EXPECT_EQ(grid.ColKey(1), QStringLiteral("SelCol"));
    EXPECT_EQ(grid.TextMatrix(0, 2), QStringLiteral("Code"));
    EXPECT_EQ(grid.ColKey(4), QStringLiteral("cCusPhone"));
    EXPECT_EQ(grid.ColWidth(3), 200);
    EXPECT_EQ(m_pub->GetColWidthString(&grid), QStringLiteral("40,30,120,200,90"));
}

TEST_F(ClsPubGridTest, GetColSetRefusesXmlThatDoesNotRead)
{
    QString fields = QStringLiteral("kept");
    QString text;
    QString order;
    int cols = 7;
    int fixed = 7;
    EXPECT_FALSE(m_pub->getColSet(QStringLiteral("<Customer><bad name/></Customer"), fields, cols,
                                  order, fixed, m_list.grid, text));
    EXPECT_FALSE(text.isEmpty());
    EXPECT_EQ(fields, QStringLiteral("kept"));
    EXPECT_EQ(cols, 7);
}

TEST_F(ClsPubGridTest, FindFldColPosAnswersTheSelectListPosition)
{
    QString fields, order, text;
    int cols = 0, fixed = 0;
    ASSERT_TRUE(m_pub->getColSet(kColumnSet, fields, cols, order, fixed, m_list.grid, text));
    int pos = 99;
    EXPECT_TRUE(m_pub->FindFldColPos(m_list.grid, QStringLiteral("CCUSCODE"), pos));
    EXPECT_EQ(pos, 1);
    EXPECT_EQ(fields.split(u',').at(pos), QStringLiteral("Customer.cCusCode"));
    EXPECT_TRUE(m_pub->FindFldColPos(m_list.grid, QStringLiteral("Customer.cCusPhone"), pos));
    EXPECT_EQ(pos, 3);
    EXPECT_TRUE(m_pub->FindFldColPos(m_list.grid, QStringLiteral("SelCol"), pos));
    EXPECT_EQ(pos, 0);
    EXPECT_FALSE(m_pub->FindFldColPos(m_list.grid, QStringLiteral("cCCName"), pos));
    EXPECT_EQ(pos, -1);
    EXPECT_FALSE(m_pub->FindFldColPos(nullptr, QStringLiteral("cCusCode"), pos));
}

TEST_F(ClsPubGridTest, GetValKeepsTheNumberWithinItsBounds)
{
    EXPECT_EQ(m_pub->GetVal(QStringLiteral("20"), 5, 100), QStringLiteral("20"));
    EXPECT_EQ(m_pub->GetVal(QStringLiteral(" 3 "), 5, 100), QStringLiteral("5"));
    EXPECT_EQ(m_pub->GetVal(QStringLiteral("1000"), 5, 100), QStringLiteral("100"));
    EXPECT_EQ(m_pub->GetVal(QStringLiteral("abc"), 5, 100), QStringLiteral("5"));
    EXPECT_EQ(m_pub->GetVal(QString(), 1, 9), QStringLiteral("1"));
    EXPECT_EQ(m_pub->GetVal(QStringLiteral("-4"), 1, 9), QStringLiteral("1"));
    EXPECT_EQ(m_pub->GetVal(QStringLiteral("3"), 1, 0), QStringLiteral("1"));
}

TEST_F(ClsPubGridTest, BindsAThousandRowsQuicklyWithFormattedValues)
{
    QList<Field> fields{ { QStringLiteral("SelCol"), adVarWChar, 0 } };
    for (int f = 1; f < 40; ++f)
        fields.append({ QStringLiteral("f%1").arg(f), adVarWChar, 20 });
    fields[1] = { QStringLiteral("iMoney"), adCurrency, 8 };
    fields[2] = { QStringLiteral("dDate"), adDBTimeStamp, 8 };
    QList<QVariantList> rows;
    for (int r = 0; r < 1000; ++r) {
        QVariantList row{ QString(), 1234.5 + r, QStringLiteral("2026-03-15 00:00:00") };
        for (int f = 3; f < 40; ++f)
            row.append(QStringLiteral("r%1c%2").arg(r).arg(f));
        rows.append(row);
    }
    QString fieldsText, order, text;
    int cols = 0, fixed = 0;
    ASSERT_TRUE(m_pub->getColSet(kColumnSet, fieldsText, cols, order, fixed, m_list.grid, text));
    m_pub->FormatGrid(&m_list.form, RecordSet(fields, {}), QStringLiteral("Customer"));

    QElapsedTimer timer;
    timer.start();
    m_pub->BindRstToGrid(&m_list.form, RecordSet(fields, rows));
    EXPECT_LT(timer.elapsed(), 1000);

    const Grid &grid = *m_list.grid;
    EXPECT_EQ(grid.Rows(), 1001);
    EXPECT_EQ(grid.Cols(), 41);
    EXPECT_EQ(grid.TextMatrix(0, 2), QStringLiteral("Code"));
    EXPECT_EQ(grid.TextMatrix(1000, 0), QStringLiteral("1000"));
    EXPECT_EQ(grid.TextMatrix(1, 1), QString());
    EXPECT_EQ(grid.TextMatrix(1, 2), QStringLiteral("1234.50"));
    EXPECT_EQ(grid.TextMatrix(1, 3), QStringLiteral("2026-03-15"));
    EXPECT_EQ(grid.TextMatrix(1000, 40), QStringLiteral("r999c39"));
    EXPECT_EQ(grid.model()->index(0, 2).data(Qt::TextAlignmentRole).toInt(),
              int(Qt::AlignRight | Qt::AlignVCenter));
}

TEST_F(ClsPubGridTest, SortsTheShownRowsOnTheCurrentColumn)
{
    QString fields, order, text;
    int cols = 0, fixed = 0;
    ASSERT_TRUE(m_pub->getColSet(kColumnSet, fields, cols, order, fixed, m_list.grid, text));
    m_pub->BindRstToGrid(&m_list.form, read(1, 5, QString()).rs);
    Grid &grid = *m_list.grid;
    QStringList shown;
    for (int row = 1; row < grid.Rows(); ++row)
        shown.append(grid.TextMatrix(row, 2));
    grid.setCol(2);
    m_pub->GridSortNew(&m_list.form, &grid, QStringLiteral("DESC"));
    std::sort(shown.begin(), shown.end(), std::greater<>());
    for (int row = 1; row < grid.Rows(); ++row)
        EXPECT_EQ(grid.TextMatrix(row, 2), shown.at(row - 1));
    m_pub->GridSort(&m_list.form, &grid, 1);
    EXPECT_LT(grid.TextMatrix(1, 2), grid.TextMatrix(2, 2));
    const QString top = grid.TextMatrix(1, 2);
    m_pub->GridSortNew(&m_list.form, &grid, QStringLiteral("sideways"));
    EXPECT_EQ(grid.TextMatrix(1, 2), top);
}

TEST_F(ClsPubGridTest, PopupMenuSortsThroughItsItems)
{
    QString fields, order, text;
    int cols = 0, fixed = 0;
    ASSERT_TRUE(m_pub->getColSet(kColumnSet, fields, cols, order, fixed, m_list.grid, text));
    m_pub->BindRstToGrid(&m_list.form, read(1, 5, QString()).rs);
    Grid &grid = *m_list.grid;
    m_list.form.show();
    const int x = grid.columnViewportPosition(2) + 3;
    m_pub->ShowPopupMenu(&m_list.form, &grid, 1, 0, x, 5);
    EXPECT_EQ(grid.findChild<QMenu *>(QStringLiteral("GridSortMenu")), nullptr);
    m_pub->ShowPopupMenu(&m_list.form, &grid, 2, 0, x, 5);
    auto *menu = grid.findChild<QMenu *>(QStringLiteral("GridSortMenu"));
    ASSERT_NE(menu, nullptr);
    auto *descending = menu->findChild<QAction *>(QStringLiteral("desc"));
    ASSERT_NE(descending, nullptr);
    EXPECT_EQ(descending->text(), QStringLiteral("降序"));
    descending->trigger();
    EXPECT_GT(grid.TextMatrix(1, 2), grid.TextMatrix(2, 2));
    menu->close();
}

TEST_F(ClsPubGridTest, SetGridRowFindsTheRowByCaptionAndRestoresRows)
{
    QString fields, order, text;
    int cols = 0, fixed = 0;
    ASSERT_TRUE(m_pub->getColSet(kColumnSet, fields, cols, order, fixed, m_list.grid, text));
    const Page page = read(1, 6, QString());
    m_pub->BindRstToGrid(&m_list.form, page.rs);
    Grid *grid = m_list.grid;
    const QString fourth = codes(page.rs).at(3);
    EXPECT_TRUE(m_pub->SetGridRow(grid, QStringLiteral(" code "), fourth.toLower()));
    EXPECT_EQ(grid->Row(), 4);
    EXPECT_FALSE(m_pub->SetGridRow(grid, QStringLiteral("Code"), QStringLiteral("nobody")));
    EXPECT_FALSE(m_pub->SetGridRow(grid, QStringLiteral("No caption"), fourth));
    m_pub->SetGridRow(grid, 2, 1);
    EXPECT_EQ(grid->Row(), 2);
    m_pub->SetGridRow(grid, 50, 1);
    EXPECT_EQ(grid->Row(), 6);
}

TEST_F(ClsPubGridTest, ClicksAndSpaceToggleTheSelectionColumn)
{
    QString fields, order, text;
    int cols = 0, fixed = 0;
    ASSERT_TRUE(m_pub->getColSet(kColumnSet, fields, cols, order, fixed, m_list.grid, text));
    m_pub->BindRstToGrid(&m_list.form, read(1, 5, QString()).rs);
    Grid *grid = m_list.grid;
    m_list.form.show();
    const int onTick = grid->columnViewportPosition(1) + 2;
    const int onCode = grid->columnViewportPosition(2) + 2;
    const int secondRow = grid->rowViewportPosition(1) + 2;
    m_pub->SetGridSelect(grid, 0, 1, 0, onTick, secondRow);
    EXPECT_EQ(grid->TextMatrix(2, 1), QStringLiteral("Y"));
    m_pub->SetGridSelect(grid, 0, 1, 0, onCode, secondRow);
    m_pub->SetGridSelect(grid, 0, 2, 0, onTick, secondRow);
    EXPECT_EQ(grid->TextMatrix(2, 1), QStringLiteral("Y"));
    m_pub->SetGridSelect(grid, 0, 1, 0, onTick, secondRow);
    EXPECT_EQ(grid->TextMatrix(2, 1), QString());

    grid->setRow(3);
    m_pub->SetGridSelect(grid, 1, 32, 0, 0, 0);
    EXPECT_EQ(grid->TextMatrix(3, 1), QStringLiteral("Y"));
    m_pub->SetGridSelect(grid, 1, 13, 0, 0, 0);
    EXPECT_EQ(grid->TextMatrix(3, 1), QStringLiteral("Y"));
}

TEST_F(ClsPubGridTest, SaveColSetStoresTheGridsWidths)
{
    auto columnSets = createObject<IColumnSet>(IColumnSet::kProgId);
    ASSERT_TRUE(columnSets);
    ASSERT_TRUE(columnSets->Init(m_company.connectionText(), QStringLiteral("demo")));
    QString sMsg;
    ASSERT_TRUE(columnSets->setCatalogue(QStringLiteral("Customer"), kColumnSet, sMsg))
        << qPrintable(sMsg);
    QString fields, order, text;
    int cols = 0, fixed = 0;
    ASSERT_TRUE(m_pub->getColSet(columnSets->getColInfo(QStringLiteral("Customer")), fields, cols,
                                 order, fixed, m_list.grid, text));
    m_list.grid->setColWidth(3, 177);
    EXPECT_TRUE(m_pub->SaveColSet(columnSets, m_list.grid, QStringLiteral("Customer"),
                                  QStringLiteral("demo")));
    ASSERT_TRUE(m_pub->getColSet(columnSets->getColInfo(QStringLiteral("Customer")), fields, cols,
                                 order, fixed, m_list.grid, text));
    EXPECT_EQ(m_list.grid->ColWidth(3), 177);
    EXPECT_FALSE(m_pub->SaveColSet(nullptr, m_list.grid, QStringLiteral("Customer"),
                                   QStringLiteral("demo")));
}

TEST(PageStatements, SplitOrderItemsAndAddTheKeyOnce)
{
    using namespace page_statements;
    EXPECT_EQ(orderItems(QStringLiteral(" Order by isnull(a,','), b desc ")),
              QStringList({ QStringLiteral("isnull(a,',')"), QStringLiteral("b desc") }));
    EXPECT_TRUE(orderItems(QStringLiteral(" Order by ")).isEmpty());
    PageRequest request{ QStringLiteral("Customer"), QStringLiteral("cCusCode") };
    request.order = QStringLiteral("order by cCusName");
    EXPECT_EQ(totalOrder(request), QStringLiteral("cCusName, Customer.cCusCode"));
    request.order = QStringLiteral("customer.ccuscode desc");
    EXPECT_EQ(totalOrder(request), QStringLiteral("customer.ccuscode desc"));
}

TEST(PageStatements, JoinsOnlyForNamesOutsideTheMainTable)
{
    using namespace page_statements;
    const QStringList columns{ QStringLiteral("cCusCode"), QStringLiteral("cCCCode"),
                               QStringLiteral("bTransFlag") };
    PageRequest request{ QStringLiteral("Customer"), QStringLiteral("cCusCode") };
    request.join = QStringLiteral(" left join CustomerClass on a=b ");
    request.where = QStringLiteral(" where isnull(Customer.bTransFlag,0) =0 and cCCCode like "
                                   "'01%' and 1=1");
    request.order = QStringLiteral(" order by customer.ccuscode desc");
    EXPECT_FALSE(needsJoins(request, columns));
    request.where = QStringLiteral(" where customerclass.cccname = 'x'");
    EXPECT_TRUE(needsJoins(request, columns));
    request.where.clear();
    request.order = QStringLiteral(" order by cCCName");
    EXPECT_TRUE(needsJoins(request, columns));
    request.order = QStringLiteral(" order by 'unclosed");
    EXPECT_TRUE(needsJoins(request, columns));
}

TEST(PageStatements, AllRowsQualifyMainColumnsOnlyWhenNoJoinedColumnIsNamed)
{
    using namespace page_statements;
    const QStringList columns{ QStringLiteral("cCusCode"), QStringLiteral("cCCCode"),
                               QStringLiteral("cCusName") };
    PageRequest request{ QStringLiteral("Customer"), QStringLiteral("cCusCode") };
    request.select = QStringLiteral("Customer.cCusCode,cCusName,x.cCusCode as extra");
    request.join = QStringLiteral(" left join x on Customer.cCusCode=x.cCusCode ");
    request.where = QStringLiteral(" where isnull(cCusCode,'') <= 'cCusName' and [cCCCode] like "
                                   "'01%' and Customer.cCusName <> ''");
    request.order = QStringLiteral(" order by cCusName desc");
    EXPECT_EQ(allRowsStatement(request, columns),
              QStringLiteral("select Customer.cCusCode,cCusName,x.cCusCode as extra from Customer "
                             "left join x on Customer.cCusCode=x.cCusCode where "
                             "isnull(Customer.cCusCode,'') <= 'cCusName' and "
                             "Customer.[cCCCode] like '01%' and Customer.cCusName <> '' order by "
                             "Customer.cCusName desc, Customer.cCusCode"));
    request.where = QStringLiteral(" where x.cFlag = 1 and cCusName > ''");
    EXPECT_EQ(allRowsStatement(request, columns),
              QStringLiteral("select Customer.cCusCode,cCusName,x.cCusCode as extra from Customer "
                             "left join x on Customer.cCusCode=x.cCusCode where x.cFlag = 1 and "
                             "cCusName > '' order by cCusName desc, Customer.cCusCode"))
        << "a part that names a joined column is sent as it stands";
}

#include "ListWindowFixture.h"

#include "list/FrmCus.h"
#include "list/TradeQueryConditions.h"
#include "suite/controls/Grid.h"
#include "suite/controls/ModalDisplay.h"
#include "suite/controls/QueryReportWindow.h"

using namespace customer;

namespace {

const QString kTradeQuery = QStringLiteral("E92B30FF-3236-4FC6-AB7D-D4E5FB6B64FE");

TEST(TradeQueryConditions, CodeListIsAddedToTheCustomerClauseTheUserKeeps)
{
    QMap<QString, QString> conditions{ { QStringLiteral("客户"), QString() },
                                       { QStringLiteral("查询类型"), QStringLiteral("2") } };
    narrowTradeQuery(conditions, QStringLiteral("ABCCusCodeList"));
    EXPECT_EQ(conditions,
              (QMap<QString, QString>{
                  { QStringLiteral("客户"),
                    QStringLiteral("cCusCode in ( select  cCusCode from ABCCusCodeList)") },
                  { QStringLiteral("查询类型"), QStringLiteral("1") } }));

    conditions = { { QStringLiteral("客户"), QStringLiteral("cCCCode like '01%'") } };
    narrowTradeQuery(conditions, QStringLiteral("ABCCusCodeList"));
    EXPECT_EQ(conditions.value(QStringLiteral("客户")),
              QStringLiteral("cCCCode like '01%' and cCusCode in (select  cCusCode from "
                             "ABCCusCodeList)"));
    EXPECT_EQ(conditions.value(QStringLiteral("查询类型")), QStringLiteral("1"));
}

class ListTradeQuery : public ListWindowFixture
{
protected:
    // The customer codes of the report's lines, the totals line left out.
    QStringList reportedCodes()
    {
        QStringList codes;
        suite::ScopedModalHandler handler([&codes](QWidget *window) {
            auto *report = qobject_cast<suite::QueryReportWindow *>(window);
            ASSERT_NE(report, nullptr);
            for (int line = 0; line + 1 < report->lineCount(); ++line)
                codes.append(report->cellText(line, 0));
            window->close();
        });
        m_list->Operating(QStringLiteral("Cus_Trade"));
        return codes;
    }

    bool tableExists(const QString &name) const
    {
        return m_company.hasTable(DemoCompanyCopy<>::Company, name);
    }
};

TEST_F(ListTradeQuery, TickedCustomersNarrowTheClauseTheUserKeepsAndTheTableGoesWithTheWindow)
{
    ASSERT_TRUE(openList());
    requestPage(100, 1);
    QStringList inClass01;
    for (int row = 1; row < m_list->Grid->Rows(); ++row) {
        const QString code = m_list->Grid->TextMatrix(row, m_list->iKeyPos);
        const bool classOne = !m_company
                                   .column(DemoCompanyCopy<>::Company,
                                           QStringLiteral("select 1 from Customer where "
                                                          "cCusCode='%1' and cCCCode like '01%'")
                                               .arg(code))
                                   .isEmpty();
        if (row <= 6) {
            m_list->Grid->setTextMatrix(row, 1, QStringLiteral("Y"));
            if (classOne)
                inClass01.append(code);
        }
    }
    ASSERT_FALSE(inClass01.isEmpty());
    ASSERT_LT(inClass01.size(), 6) << "the ticked rows must reach beyond class 01";
    m_company.run(DemoCompanyCopy<>::Company,
                  QStringLiteral("insert into AA_UserSetting (cUser_Id, cObject, cKey, cValue) "
                                 "values ('demo', '%1', '客户', 'cCCCode like ''01%''')")
                      .arg(kTradeQuery));

    EXPECT_EQ(reportedCodes(), inClass01);
    const QString table = m_list->CodeListTableName();
    EXPECT_TRUE(tableExists(table));
    m_list->close();
    EXPECT_FALSE(tableExists(table)) << "the company database keeps no code table";
}

} // namespace

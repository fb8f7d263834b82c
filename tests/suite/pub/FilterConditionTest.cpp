#include "suite/controls/ConditionBuilder.h"
#include "suite/controls/FilterSettings.h"
#include "suite/controls/RowLocator.h"
#include "suite/pub/ResourceTable.h"

#include <gtest/gtest.h>

using namespace suite;

namespace {

const QString kCatalogue = QStringLiteral(
    "<Customer bWeb='0' url='' noauthflds=''>"
    "<Customer.CCusCode showfldname='客户编码' reftype='ref' cRefID='Customer_AA'/>"
    "<CCusName showfldname='客户名称' reftype='ref' cRefID='Customer_AA'/>"
    "<cCusAddress showfldname='地址' reftype='char' cRefID=''/>"
    "<Customer.iARMoney showfldname='应收余额' reftype='float' cRefID=''/>"
    "<Customer.iFrequency showfldname='频度' reftype='int' cRefID=''/>"
    "<Customer.dEndDate showfldname='停用日期' reftype='date' cRefID=''/>"
    "<iCostGrade showfldname='价格级别' reftype='enum' cRefID='1{#}2{##}批发价{#}零售价'/>"
    "<Customer_extradefine.cCDefine1 showfldname='行业' reftype='ref' cRefID=''/>"
    "<cNoCaption showfldname='' reftype=''/>"
    "</Customer>");

const ResourceTable &chinese()
{
    return ResourceTable::builtIn(QStringLiteral("zh-cn"));
}

QString built(const QList<ConditionRow> &rows)
{
    QString condition;
    QString sMsg;
    EXPECT_TRUE(ConditionBuilder(filterFieldsFromColInfo(kCatalogue), chinese())
                    .build(rows, condition, sMsg))
        << qPrintable(sMsg);
    return condition;
}

QString refused(const QList<ConditionRow> &rows)
{
    QString condition = QStringLiteral("untouched");
    QString sMsg;
    EXPECT_FALSE(ConditionBuilder(filterFieldsFromColInfo(kCatalogue), chinese())
                     .build(rows, condition, sMsg));
    EXPECT_EQ(condition, QStringLiteral("untouched"));
    return sMsg;
}

using Op = FilterOperator;

} // namespace

TEST(FilterFields, CatalogueGivesQualifiedColumnsTypesAndChoices)
{
    const QList<FilterField> fields = filterFieldsFromColInfo(kCatalogue);
    ASSERT_EQ(fields.size(), 8) << "the element without a caption is not offered";
    EXPECT_EQ(fields.at(0).column(), QStringLiteral("Customer.CCusCode"));
    EXPECT_EQ(fields.at(1).column(), QStringLiteral("Customer.CCusName"));
    EXPECT_EQ(fields.at(7).column(), QStringLiteral("Customer_extradefine.cCDefine1"));
    EXPECT_EQ(fields.at(3).type, FilterFieldType::Number);
    EXPECT_EQ(fields.at(4).type, FilterFieldType::Integer);
    EXPECT_EQ(fields.at(5).type, FilterFieldType::Date);
    EXPECT_EQ(fields.at(6).type, FilterFieldType::Enum);
    EXPECT_EQ(fields.at(6).enumValues, QStringList({ QStringLiteral("1"), QStringLiteral("2") }));
    EXPECT_EQ(fields.at(6).enumNames,
              QStringList({ QStringLiteral("批发价"), QStringLiteral("零售价") }));
    EXPECT_TRUE(filterFieldsFromColInfo(QStringLiteral("<Customer><broken")).isEmpty());
}

TEST(ConditionBuilder, TextOperatorsQuoteValuesAndEscapeWildcards)
{
    EXPECT_EQ(built({ { QStringLiteral("CCusName"), Op::Equal, QStringLiteral("O'Brien") } }),
              QStringLiteral("Customer.CCusName = N'O''Brien'"));
    EXPECT_EQ(
        built({ { QStringLiteral("cCusAddress"), Op::Contains, QStringLiteral("50%_[x]!") } }),
        QStringLiteral("charindex(upper(N'50%_[x]!'), upper(Customer.cCusAddress)) > 0"));
    EXPECT_EQ(
        built({ { QStringLiteral("customer.ccuscode"), Op::BeginsWith, QStringLiteral("01") } }),
        QStringLiteral("charindex(upper(N'01'), upper(Customer.CCusCode)) = 1"));
    EXPECT_EQ(built({ { QStringLiteral("CCusName"), Op::IsEmpty, QString() } }),
              QStringLiteral("(Customer.CCusName is null or Customer.CCusName = N'')"));
    EXPECT_EQ(built({ { QStringLiteral("Customer_extradefine.cCDefine1"), Op::NotEqual,
                        QStringLiteral("IT") } }),
              QStringLiteral("Customer_extradefine.cCDefine1 <> N'IT'"));
}

TEST(ConditionBuilder, NumbersDatesAndChoicesAreCheckedByType)
{
    EXPECT_EQ(built({ { QStringLiteral("Customer.iARMoney"), Op::GreaterEqual,
                        QStringLiteral(" 1500.50 ") } }),
              QStringLiteral("Customer.iARMoney >= 1500.5"));
    EXPECT_EQ(built({ { QStringLiteral("Customer.iFrequency"), Op::Less, QStringLiteral("3") } }),
              QStringLiteral("Customer.iFrequency < 3"));
    EXPECT_EQ(built({ { QStringLiteral("Customer.iARMoney"), Op::IsEmpty, QString() } }),
              QStringLiteral("Customer.iARMoney is null"));
    EXPECT_EQ(
        built({ { QStringLiteral("Customer.dEndDate"), Op::Equal, QStringLiteral("2026/3/1") } }),
        QStringLiteral("(Customer.dEndDate >= '2026-03-01' and Customer.dEndDate < '2026-03-02')"));
    EXPECT_EQ(built({ { QStringLiteral("Customer.dEndDate"), Op::Greater,
                        QStringLiteral("2026-12-31") } }),
              QStringLiteral("Customer.dEndDate >= '2027-01-01'"));
    EXPECT_EQ(built({ { QStringLiteral("Customer.dEndDate"), Op::LessEqual,
                        QStringLiteral("2026-02-28") } }),
              QStringLiteral("Customer.dEndDate < '2026-03-01'"));
    EXPECT_EQ(built({ { QStringLiteral("iCostGrade"), Op::Equal, QStringLiteral("2") } }),
              QStringLiteral("Customer.iCostGrade = 2"));

    EXPECT_EQ(refused({ { QStringLiteral("Customer.iARMoney"), Op::Equal,
                          QStringLiteral("1; drop table Customer") } }),
              QStringLiteral("“应收余额”的值“1; drop table Customer”不是数字。"));
    EXPECT_EQ(
        refused({ { QStringLiteral("Customer.iFrequency"), Op::Equal, QStringLiteral("2.5") } }),
        QStringLiteral("“频度”的值“2.5”不是整数。"));
    EXPECT_EQ(refused({ { QStringLiteral("Customer.dEndDate"), Op::Equal,
                          QStringLiteral("2026-02-30") } }),
              QStringLiteral("“停用日期”的值“2026-02-30”不是日期（yyyy-mm-dd）。"));
    EXPECT_EQ(refused({ { QStringLiteral("iCostGrade"), Op::Equal, QStringLiteral("9") } }),
              QStringLiteral("“价格级别”的值“9”不是可选的值。"));
    EXPECT_EQ(
        refused({ { QStringLiteral("Customer.dEndDate"), Op::Contains, QStringLiteral("2026") } }),
        QStringLiteral("栏目“停用日期”不能使用运算“包含”。"));
    EXPECT_EQ(refused({ { QStringLiteral("CCusName"), Op::Equal, QStringLiteral("  ") } }),
              QStringLiteral("请输入“客户名称”的值。"));
}

TEST(ConditionBuilder, FieldsOutsideTheCatalogueAreRefused)
{
    EXPECT_EQ(refused({ { QStringLiteral("cCusBank"), Op::Equal, QStringLiteral("x") } }),
              QStringLiteral("栏目“cCusBank”不在栏目信息中，不能用于过滤。"));
    EXPECT_EQ(refused({ { QStringLiteral("1=1 or CCusName"), Op::Equal, QStringLiteral("x") } }),
              QStringLiteral("栏目“1=1 or CCusName”不在栏目信息中，不能用于过滤。"));
    EXPECT_EQ(refused({ { QStringLiteral("cNoCaption"), Op::Equal, QStringLiteral("x") } }),
              QStringLiteral("栏目“cNoCaption”不在栏目信息中，不能用于过滤。"));
}

TEST(ConditionBuilder, AndBindsBeforeOrAndAnOrIsParenthesised)
{
    const ConditionRow code{ QStringLiteral("Customer.CCusCode"), Op::BeginsWith,
                             QStringLiteral("01") };
    ConditionRow name{ QStringLiteral("CCusName"), Op::Contains, QStringLiteral("北京") };
    const ConditionRow money{ QStringLiteral("Customer.iARMoney"), Op::Greater,
                              QStringLiteral("0") };
    EXPECT_EQ(built({ code, name, money }),
              QStringLiteral("charindex(upper(N'01'), upper(Customer.CCusCode)) = 1 and "
                             "charindex(upper(N'北京'), upper(Customer.CCusName)) > 0 and "
                             "Customer.iARMoney > 0"));
    name.orNext = true;
    EXPECT_EQ(built({ code, name, money }),
              QStringLiteral("(charindex(upper(N'01'), upper(Customer.CCusCode)) = 1 and "
                             "charindex(upper(N'北京'), upper(Customer.CCusName)) > 0 or "
                             "Customer.iARMoney > 0)"));
    ConditionRow last = money;
    last.orNext = true;
    EXPECT_EQ(built({ last }), QStringLiteral("Customer.iARMoney > 0"))
        << "the last line's join joins nothing";
    EXPECT_EQ(built({}), QStringLiteral("1=1"));
}

TEST(ConditionRows, SurviveAPropertyRoundTrip)
{
    const QList<ConditionRow> rows = {
        { QStringLiteral("CCusName"), Op::Contains, QStringLiteral("a'b"), true },
        { QStringLiteral("Customer.dEndDate"), Op::IsEmpty, QString(), false }
    };
    EXPECT_EQ(conditionRowsFromVariant(conditionRowsToVariant(rows)), rows);
    EXPECT_TRUE(conditionRowsFromVariant(QVariant()).isEmpty());
}

TEST(FilterSettings, StoredTextAppliesAndStaleEntriesFallBack)
{
    const QList<FilterField> fields = filterFieldsFromColInfo(kCatalogue);
    FilterSettings defaults(fields);
    EXPECT_EQ(defaults.visibleFields().size(), fields.size());
    EXPECT_EQ(defaults.defaultOperator(QStringLiteral("CCusName")), Op::Contains);
    EXPECT_EQ(defaults.defaultOperator(QStringLiteral("Customer.dEndDate")), Op::Equal);

    const FilterSettings stored(fields,
                                QStringLiteral("CCusName|begin|1;cCusAddress|like|0;"
                                               "Customer.dEndDate|like|1;cGone|=|0;garbage"));
    EXPECT_EQ(stored.defaultOperator(QStringLiteral("ccusname")), Op::BeginsWith);
    EXPECT_EQ(stored.defaultOperator(QStringLiteral("Customer.dEndDate")), Op::Equal)
        << "a date field cannot start with contains";
    EXPECT_EQ(stored.visibleFields().size(), fields.size() - 1);
    EXPECT_FALSE(findFilterField(stored.visibleFields(), QStringLiteral("cCusAddress")));

    const FilterSettings again(fields, stored.toText());
    EXPECT_EQ(again.settings(), stored.settings());
    EXPECT_TRUE(again.toText().startsWith(
        QStringLiteral("Customer.CCusCode|like|1;CCusName|begin|1;cCusAddress|like|0;")));
}

TEST(RowLocator, FindsTheNextMatchAfterTheCurrentRowAndWraps)
{
    const QStringList texts = { QStringLiteral("header"), QStringLiteral("北京华星"),
                                QStringLiteral("上海"), QStringLiteral("Beijing Star"),
                                QStringLiteral("北京东方") };
    const auto text = [&texts](int row) {
        return texts.at(row);
    };
    EXPECT_EQ(findNextRow(5, 1, 1, QStringLiteral("北京"), text), 4);
    EXPECT_EQ(findNextRow(5, 1, 4, QStringLiteral("北京"), text), 1) << "wraps past the end";
    EXPECT_EQ(findNextRow(5, 1, 2, QStringLiteral("beijing"), text), 3) << "ignores case";
    EXPECT_EQ(findNextRow(5, 1, 3, QStringLiteral("beijing"), text), 3)
        << "the only match is found again on the current row";
    EXPECT_EQ(findNextRow(5, 1, 0, QStringLiteral("header"), text), -1)
        << "the header row is not searched";
    EXPECT_EQ(findNextRow(5, 1, -1, QStringLiteral("北京"), text), 1);
    EXPECT_EQ(findNextRow(5, 1, 1, QString(), text), -1);
    EXPECT_EQ(findNextRow(1, 1, 0, QStringLiteral("x"), text), -1);
}

#include "suite/controls/ColumnSettingsModel.h"
#include "suite/colset/ColumnSetXml.h"
#include "suite/controls/ColumnSettings.h"
#include "suite/pub/ResourceTable.h"

#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>

#include <gtest/gtest.h>

using namespace suite;

namespace {

const QString kXml =
    QStringLiteral("<Customer ckey='Customer'>"
                   "<Customer.cCusCode showfldname='Code' bshow='1' iwidth='80' iorder='1'/>"
                   "<cCusName showfldname='Name' bshow='1' iwidth='160' iorder='2' reftype='0'/>"
                   "<cCusPhone showfldname='Phone' bshow='0' iwidth='90' iorder='3'/>"
                   "</Customer>");

ColumnSet readBack(const QString &xml)
{
    ColumnSet set;
    QString sMsg;
    EXPECT_TRUE(readColumnSetXml(xml, set, sMsg)) << qPrintable(sMsg);
    return set;
}

TEST(ColumnSettingsModelTest, EditsRoundTripThroughTheColumnSetXml)
{
    ColumnSettingsModel model;
    QString sMsg;
    ASSERT_TRUE(model.load(kXml, sMsg));
    EXPECT_TRUE(model.moveUp(2));
    EXPECT_TRUE(model.setVisible(1, true, sMsg));
    EXPECT_TRUE(model.setWidth(0, 120, sMsg));
    EXPECT_TRUE(model.setSort(2, QStringLiteral("DESC"), sMsg));
    EXPECT_TRUE(model.setCaption(0, QStringLiteral("  Customer code "), sMsg));
    EXPECT_TRUE(model.setFixed(0, true, sMsg));

    const ColumnSet set = readBack(model.xml());
    ASSERT_EQ(set.columns.size(), 3);
    EXPECT_EQ(selectList(set), QStringLiteral("Customer.cCusCode,cCusPhone,cCusName"));
    EXPECT_EQ(orderList(set), QStringLiteral("cCusName desc"));
    EXPECT_EQ(set.columns.at(0).caption, QStringLiteral("Customer code"));
    EXPECT_EQ(set.columns.at(0).width, 120);
    EXPECT_EQ(set.columns.at(2).order, 3);
    EXPECT_EQ(set.fixedCount(), 1);
    EXPECT_EQ(set.columns.at(2).details.value(0).second, QStringLiteral("0")) << "reftype kept";
}

TEST(ColumnSettingsModelTest, RefusesBadEditsAndKeepsTheColumn)
{
    ColumnSettingsModel model;
    QString sMsg;
    ASSERT_TRUE(model.load(kXml, sMsg));
    EXPECT_FALSE(model.moveUp(0));
    EXPECT_FALSE(model.moveDown(2));
    EXPECT_FALSE(model.moveDown(-1));
    EXPECT_FALSE(model.setWidth(1, -1, sMsg));
    EXPECT_EQ(sMsg, QStringLiteral("The width of cCusName must be between 0 (fitted) and 2000."));
    EXPECT_FALSE(model.setWidth(1, ColumnSettingsModel::kMaxWidth + 1, sMsg));
    EXPECT_FALSE(model.setSort(1, QStringLiteral("up"), sMsg));
    EXPECT_FALSE(model.setCaption(1, QStringLiteral("  "), sMsg));
    EXPECT_FALSE(model.setVisible(3, true, sMsg));
    EXPECT_EQ(sMsg, QStringLiteral("There is no column 4."));
    EXPECT_EQ(model.column(1).caption, QStringLiteral("Name"));
    EXPECT_EQ(model.column(1).width, 160);
    EXPECT_TRUE(model.setWidth(1, 0, sMsg)) << "0 leaves the width to the list";
    EXPECT_EQ(model.column(1).width, 0);

    EXPECT_FALSE(model.load(QStringLiteral("<Customer><1bad/></Customer>"), sMsg));
    EXPECT_FALSE(sMsg.isEmpty());
    EXPECT_EQ(model.count(), 3) << "the columns shown so far stay";
}

TEST(ColumnSettingsControlTest, TableEditsReachTheConfirmedXml)
{
    ColumnSettings control(ResourceTable::builtIn(QStringLiteral("en-us")));
    ASSERT_TRUE(control.setXml(kXml));
    auto *table = control.findChild<QTableWidget *>(QStringLiteral("Columns"));
    table->item(2, ColumnSettings::ShownColumn)->setCheckState(Qt::Checked);
    table->item(1, ColumnSettings::CaptionColumn)->setText(QString());
    EXPECT_FALSE(control.message().isEmpty());
    EXPECT_EQ(table->item(1, ColumnSettings::CaptionColumn)->text(), QStringLiteral("Name"));
    qobject_cast<QSpinBox *>(table->cellWidget(2, ColumnSettings::WidthColumn))->setValue(70);
    control.setCurrentRow(2);
    control.findChild<QPushButton *>(QStringLiteral("cmdUp"))->click();
    EXPECT_EQ(control.currentRow(), 1);

    QList<std::pair<bool, QString>> confirmed;
    QObject::connect(&control, &ColumnSettings::confirmed,
                     [&confirmed](bool save, const QString &xml) {
                         confirmed.append({ save, xml });
                     });
    control.findChild<QPushButton *>(QStringLiteral("cmdOk"))->click();
    ASSERT_EQ(confirmed.size(), 1);
    EXPECT_FALSE(confirmed.at(0).first) << "no save flag while the option is off";
    const ColumnSet set = readBack(confirmed.at(0).second);
    EXPECT_EQ(selectList(set), QStringLiteral("Customer.cCusCode,cCusPhone,cCusName"));
    EXPECT_EQ(set.columns.at(1).width, 70);
}

} // namespace

// The list's map command as a user gives it: ticked customers go to the session's map window,
// which shows them as numbered, clustered markers.
#include "ListWindowFixture.h"
#include "MapPageProbe.h"

#include "list/FrmCus.h"
#include "suite/controls/ColumnSettings.h"
#include "suite/controls/Grid.h"
#include "suite/controls/ModalDisplay.h"
#include "suite/controls/Toolbar.h"

#include <QCheckBox>
#include <QFile>
#include <QJsonArray>
#include <QTableWidget>
#include <QToolButton>

using namespace customer;
using namespace Qt::StringLiterals;

namespace {

class ListMapCommand : public ListWindowFixture
{
protected:
    void SetUp() override
    {
        ListWindowFixture::SetUp();
        qputenv("CUSTOMER_ARCHIVE_MAP_TILES", "none");
        qunsetenv("CUSTOMER_ARCHIVE_GEOCODER");
    }

    QString valueOf(const QString &sql) const
    {
        return m_company.column(DemoCompanyCopy<>::Company, sql).value(0);
    }

    int columnOf(const QString &field) const
    {
        for (int col = 2; col < m_list->Grid->Cols(); ++col) {
            if (m_list->Grid->ColKey(col).compare(field, Qt::CaseInsensitive) == 0)
                return col;
        }
        return -1;
    }

    // Shows or hides the location column through the column settings, without saving them.
    void showLocationColumn(bool shown)
    {
        suite::ScopedModalHandler dialog([&](QWidget *window) {
            auto *set = window->findChild<suite::ColumnSettings *>(u"ColSet1"_s);
            ASSERT_NE(set, nullptr);
            int row = 0;
            while (row < set->model().count()
                   && set->model().column(row).field.section(u'.', -1).compare(u"cLocationSite"_s,
                                                                               Qt::CaseInsensitive)
                       != 0)
                ++row;
            ASSERT_LT(row, set->model().count()) << "the location column is offered";
            set->findChild<QTableWidget *>(u"Columns"_s)
                ->item(row, suite::ColumnSettings::ShownColumn)
                ->setCheckState(shown ? Qt::Checked : Qt::Unchecked);
            set->findChild<QCheckBox *>(u"ChkbSave"_s)->setChecked(false);
            set->findChild<QPushButton *>(u"cmdOk"_s)->click();
        });
        m_list->Operating(u"FieldSet"_s);
        settle();
    }

    void clickMapButton()
    {
        ASSERT_TRUE(m_list->TLB2->visibleKeys().contains(u"Cus_district"_s))
            << "the map command is offered";
        auto *button = m_list->TLB2->findChild<QToolButton *>(u"Cus_district"_s);
        ASSERT_NE(button, nullptr);
        button->click();
    }

    // The label a customer's marker shows: header and cell of each label column the list
    // shows, in the order abbreviation, phone, contact, address.
    QString expectedLabel(int row, int *columns = nullptr) const
    {
        QString label;
        for (const QString &key :
             { u"cCusAbbName"_s, u"cCusPhone"_s, u"cpersonname"_s, u"cCusAddress"_s }) {
            const int col = columnOf(key);
            if (col < 0)
                continue;
            label += m_list->Grid->TextMatrix(0, col) + u':' + m_list->Grid->TextMatrix(row, col);
            if (columns)
                ++*columns;
        }
        return label;
    }
};

TEST_F(ListMapCommand, TickedCustomersBecomeNumberedClusteredMarkers)
{
    ASSERT_TRUE(openList());
    requestPage(10, 1);
    const QStringList codes = shownCodes().mid(0, 3);
    ASSERT_EQ(codes.size(), 3);
    m_company.run(
        DemoCompanyCopy<>::Company,
        u"update Customer set cLocationSite='31.298886,120.585316' where cCusCode='%1';"
        "update Customer set cLocationSite=NULL where cCusCode='%2';"
        "update Customer set cLocationSite='31.301200,120.590100' where cCusCode='%3'"_s.arg(
            codes.at(0), codes.at(1), codes.at(2)));
    requestPage(10, 1);
    ASSERT_LT(columnOf(u"cLocationSite"_s), 0) << "a column the user shows when needed";
    showLocationColumn(true);
    ASSERT_GT(columnOf(u"cLocationSite"_s), 0);
    for (int row = 1; row <= 3; ++row)
        m_list->Grid->setTextMatrix(row, 1, u"Y"_s);

    QJsonObject state;
    bool pureViewer = false;
    bool listMode = false;
    int windows = 0;
    {
        suite::ScopedModalHandler handler([&](QWidget *window) {
            ++windows;
            auto *map = map::MapWindow::of(window);
            ASSERT_NE(map, nullptr);
            listMode = map->state().isMapList();
            ASSERT_TRUE(mappage::showAndSettle(*map));
            state = mappage::state(*map);
            pureViewer = !mappage::control<QLineEdit>(*map, "edtlongitude")->isVisible()
                && !mappage::control<QPushButton>(*map, "Cmdok")->isVisible()
                && mappage::control<QPushButton>(*map, "Cmdcancel")->isVisible();
            mappage::control<QPushButton>(*map, "Cmdcancel")->click();
        });
        clickMapButton();
    }
    ASSERT_EQ(windows, 1);
    EXPECT_TRUE(listMode);
    EXPECT_TRUE(pureViewer) << "a list shows its customers only";
    // The customer without a position is not handed over: the markers are numbered 1 and 2
    // and carry the first and the third customer.
    EXPECT_EQ(mappage::customerIndexes(state), (QList<int>{ 0, 1 }));
    const QJsonArray customers = state.value(u"customers"_s).toArray();
    ASSERT_EQ(customers.size(), 2);
    EXPECT_NEAR(customers.at(0).toObject().value(u"lat"_s).toDouble(), 31.298886, 1e-6);
    EXPECT_NEAR(customers.at(0).toObject().value(u"lng"_s).toDouble(), 120.585316, 1e-6);
    EXPECT_NEAR(customers.at(1).toObject().value(u"lat"_s).toDouble(), 31.3012, 1e-6);
    EXPECT_EQ(customers.at(0).toObject().value(u"text"_s).toString(), expectedLabel(1));
    EXPECT_EQ(customers.at(1).toObject().value(u"text"_s).toString(), expectedLabel(3));
    EXPECT_TRUE(customers.at(1).toObject().value(u"text"_s).toString().contains(
        valueOf(u"select cCusAbbName from Customer where cCusCode='%1'"_s.arg(codes.at(2)))));
    int labelColumns = 0;
    expectedLabel(1, &labelColumns);
    EXPECT_GT(labelColumns, 0);
    EXPECT_EQ(customers.at(0).toObject().value(u"lines"_s).toInt(), labelColumns + 1)
        << "each label column ends with a line break";
    EXPECT_TRUE(state.value(u"clustered"_s).toBool());
    EXPECT_EQ(state.value(u"points"_s).toInt(), 0) << "no pin of its own for the last customer";
    EXPECT_TRUE(shownTexts().isEmpty()) << qPrintable(shownTexts().join(u'\n'));
}

TEST_F(ListMapCommand, AHiddenLocationColumnIsSaidAndNoMapOpens)
{
    ASSERT_TRUE(openList());
    showLocationColumn(true);
    showLocationColumn(false);
    ASSERT_LT(columnOf(u"cLocationSite"_s), 0);
    m_list->Grid->setTextMatrix(1, 1, u"Y"_s);
    int windows = 0;
    {
        suite::ScopedModalHandler handler([&](QWidget *window) {
            ++windows;
            window->close();
        });
        clickMapButton();
    }
    EXPECT_EQ(windows, 0);
    EXPECT_EQ(shownTexts(), QStringList{ text("Tarn.AA.CUSTOMER.FRMCUS.nolocationcolumn") });
}

// The browser costs every start of the program a tenth of a second: it is loaded with the map
// module on the first showing of the map, never before.
TEST_F(ListMapCommand, TheBrowserIsLoadedWithTheFirstMapOnly)
{
    const auto browserLoaded = [] {
        QFile maps(u"/proc/self/maps"_s);
        return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libQt6WebEngineCore");
    };
    ASSERT_TRUE(openList());
    showLocationColumn(true);
    m_list->Grid->setTextMatrix(1, 1, u"Y"_s);
    EXPECT_FALSE(browserLoaded()) << "the list is shown without the browser";
    bool mapShown = false;
    {
        suite::ScopedModalHandler handler([&](QWidget *window) {
            mapShown = map::MapWindow::of(window) != nullptr;
            window->close();
        });
        clickMapButton();
    }
    EXPECT_TRUE(mapShown);
    EXPECT_TRUE(browserLoaded());
    EXPECT_TRUE(shownTexts().isEmpty()) << qPrintable(shownTexts().join(u'\n'));
}

} // namespace

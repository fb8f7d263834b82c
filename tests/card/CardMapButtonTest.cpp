// The card's map button as a Chinese user uses it: the customer's position and address go to
// the session's map window, a point picked there comes back into the card and is saved, a
// cancel leaves the customer as it was.
#include "CardWindowFixture.h"
#include "MapPageProbe.h"

#include "suite/controls/ModalDisplay.h"
#include "suite/controls/Toolbar.h"

#include <QPushButton>
#include <QTabWidget>

namespace {

// Customer columns every save writes: who saved and when.
const QStringList kWrittenOnEverySave = { u"cModifyPerson"_s, u"dModifyDate"_s };

class CardMapButton : public CardCommandTest
{
protected:
    void SetUp() override
    {
        CardCommandTest::SetUp();
        qputenv("CUSTOMER_ARCHIVE_MAP_TILES", "none");
        qunsetenv("CUSTOMER_ARCHIVE_GEOCODER");
    }

    // The map button is offered to Chinese logins: the list is opened by one.
    FrmCus *openChineseList()
    {
        auto session = std::make_shared<suite::ClsLogin>();
        QString sMsg;
        EXPECT_TRUE(session->Login(
            { u"demo"_s, QString(), connectionText(), u"2026-03-15"_s, u"zh-cn"_s, QString() },
            sMsg))
            << qPrintable(sMsg);
        m_entry = ClsCustomer::create();
        m_entry->setBusiness(portal(session, m_portal));
        m_entry->ShowModeless(u"AA0101"_s, QString(), QString(), QString());
        m_list = qobject_cast<FrmCus *>(m_entry->listWindow());
        if (m_list) {
            m_list->resize(1000, 640);
            m_list->show();
            settle();
        }
        return m_list;
    }

    FrmCusAM *openCustomer(const QString &code)
    {
        if (!openChineseList())
            return nullptr;
        const int row = rowOf(code);
        EXPECT_GT(row, 0) << qPrintable(code);
        return row > 0 ? openOnRow(row) : nullptr;
    }

    // Brings up the card's tab page that holds the control, as the user clicks its tab.
    void showPageOf(QWidget *control)
    {
        auto *pages = m_card->findChild<QTabWidget *>(u"SSTab1"_s);
        ASSERT_NE(pages, nullptr);
        for (int page = 0; page < pages->count(); ++page) {
            if (pages->widget(page)->isAncestorOf(control))
                pages->setCurrentIndex(page);
        }
        settle();
    }

    QLineEdit *locationField() const
    {
        return qobject_cast<QLineEdit *>(m_card->GetControlByName(u"EdtcLocationSite"_s));
    }

    // Every column of the customer's row, written so that NULL and '' tell apart.
    QMap<QString, QString> customerRow(const QString &code) const
    {
        const auto columns = m_company.declaredColumns(DemoCompanyCopy<>::Company, u"Customer"_s);
        QMap<QString, QString> row;
        for (const QStringList &cells :
             m_company.tableSnapshot(DemoCompanyCopy<>::Company, u"Customer"_s)) {
            if (cells.value(0) != u"'%1'"_s.arg(code))
                continue;
            for (int i = 0; i < columns.size() && i < cells.size(); ++i)
                row.insert(columns.at(i).first, cells.at(i));
        }
        return row;
    }

    static QStringList changedColumns(const QMap<QString, QString> &before,
                                      const QMap<QString, QString> &after)
    {
        QStringList changed;
        for (auto it = before.cbegin(); it != before.cend(); ++it) {
            if (after.value(it.key()) != it.value() && !kWrittenOnEverySave.contains(it.key()))
                changed.append(it.key() + u": "_s + it.value() + u" -> "_s + after.value(it.key()));
        }
        return changed;
    }

    // On the map the user picks the point with the pick button and a click on the map.
    static void pickPoint(map::MapWindow &window, double latitude, double longitude)
    {
        ASSERT_TRUE(mappage::waitUntil([&] {
            return mappage::control<QPushButton>(window, "cmdLocal")->isEnabled();
        })) << "the page reports itself defined";
        mappage::control<QPushButton>(window, "cmdLocal")->click();
        ASSERT_TRUE(mappage::waitUntil(
            [&] { return mappage::state(window).value(u"picking"_s).toBool(); }));
        mappage::evaluate(
            window,
            u"map.fire('click', {latlng: L.latLng(%1, %2)}); true"_s.arg(latitude, 0, 'f', 6)
                .arg(longitude, 0, 'f', 6));
        ASSERT_TRUE(mappage::waitUntil([&] {
            return !mappage::control<QLineEdit>(window, "edtlongitude")->text().isEmpty();
        }));
    }

    // The customer used by the tests, with a known position and address.
    QString customerWithPosition()
    {
        const QString code = valueOf(u"select min(cCusCode) from Customer"_s);
        m_company.run(DemoCompanyCopy<>::Company,
                      u"update Customer set cLocationSite='31.298886,120.585316', "
                      "cCusAddress='江苏省苏州市吴中区东山镇1号' where cCusCode='%1'"_s.arg(code));
        return code;
    }
};

TEST_F(CardMapButton, APickedPointFillsTheCardAndIsSaved)
{
    const QString code = customerWithPosition();
    ASSERT_NE(openCustomer(code), nullptr);
    showPageOf(m_card->cmdMap);
    ASSERT_TRUE(m_card->cmdMap->isVisible()) << "offered to a Chinese login";
    const QMap<QString, QString> before = customerRow(code);

    QString handedLongitude;
    QString handedLatitude;
    QString handedAddress;
    QStringList picked;
    {
        suite::ScopedModalHandler handler([&](QWidget *window) {
            auto *map = map::MapWindow::of(window);
            ASSERT_NE(map, nullptr);
            handedLongitude = map->state().longitude();
            handedLatitude = map->state().latitude();
            handedAddress = map->state().defaultAddress();
            ASSERT_TRUE(mappage::showAndSettle(*map));
            pickPoint(*map, 31.3, 120.6);
            picked = { mappage::control<QLineEdit>(*map, "edtlongitude")->text(),
                       mappage::control<QLineEdit>(*map, "edtlatitude")->text(),
                       mappage::control<QLineEdit>(*map, "edtaddress")->text() };
            mappage::control<QPushButton>(*map, "Cmdok")->click();
        });
        m_card->cmdMap->click();
    }
    EXPECT_EQ(handedLongitude, u"120.585316"_s) << "the second part of the location";
    EXPECT_EQ(handedLatitude, u"31.298886"_s);
    EXPECT_EQ(handedAddress, u"江苏省苏州市吴中区东山镇1号"_s);
    EXPECT_EQ(picked, (QStringList{ u"120.600000"_s, u"31.300000"_s, u"江苏苏州市"_s }));
    EXPECT_EQ(locationField()->text(), u"31.300000,120.600000"_s) << "latitude first";
    EXPECT_EQ(m_card->Edt(11)->text(), u"江苏苏州市"_s);
    EXPECT_TRUE(m_card->TLB2->isButtonEnabled(u"SaveRs"_s)) << "the card is marked modified";

    m_card->Operating(u"SaveRs"_s);
    EXPECT_TRUE(shownTexts().isEmpty()) << qPrintable(shownTexts().join(u'\n'));
    EXPECT_EQ(stored(u"cLocationSite"_s, code), u"31.300000,120.600000"_s);
    EXPECT_EQ(stored(u"cCusAddress"_s, code), u"江苏苏州市"_s);
    QStringList changed = changedColumns(before, customerRow(code));
    changed.removeIf([](const QString &line) {
        return line.startsWith(u"cLocationSite:") || line.startsWith(u"cCusAddress:");
    });
    EXPECT_TRUE(changed.isEmpty()) << qPrintable(changed.join(u'\n'));
}

TEST_F(CardMapButton, CancelOnTheMapChangesNothing)
{
    const QString code = customerWithPosition();
    ASSERT_NE(openCustomer(code), nullptr);
    const QMap<QString, QString> before = customerRow(code);
    map::MapWindow *shown = nullptr;
    const auto pickThenCancel = [&](QWidget *window) {
        auto *map = map::MapWindow::of(window);
        ASSERT_NE(map, nullptr);
        EXPECT_TRUE(!shown || shown == map) << "one map window for the session";
        shown = map;
        ASSERT_TRUE(mappage::showAndSettle(*map));
        pickPoint(*map, 39.9, 116.4);
        mappage::control<QPushButton>(*map, "Cmdcancel")->click();
    };
    {
        suite::ScopedModalHandler handler(pickThenCancel);
        m_card->cmdMap->click();
        m_card->cmdMap->click();
    }
    ASSERT_NE(shown, nullptr);
    EXPECT_TRUE(shown->state().longitude().isEmpty());
    EXPECT_EQ(locationField()->text(), u"31.298886,120.585316"_s);
    EXPECT_EQ(m_card->Edt(11)->text(), u"江苏省苏州市吴中区东山镇1号"_s);
    EXPECT_FALSE(m_card->TLB2->isButtonEnabled(u"SaveRs"_s)) << "nothing to save";

    m_card->Operating(u"SaveRs"_s);
    EXPECT_TRUE(shownTexts().isEmpty()) << qPrintable(shownTexts().join(u'\n'));
    const QStringList changed = changedColumns(before, customerRow(code));
    EXPECT_TRUE(changed.isEmpty()) << qPrintable(changed.join(u'\n'));
}

TEST_F(CardMapButton, ACustomerWithoutPositionIsSearchedByItsAddress)
{
    const QString code = customerWithPosition();
    m_company.run(DemoCompanyCopy<>::Company,
                  u"update Customer set cLocationSite=NULL where cCusCode='%1'"_s.arg(code));
    ASSERT_NE(openCustomer(code), nullptr);
    QJsonObject search;
    {
        suite::ScopedModalHandler handler([&](QWidget *window) {
            auto *map = map::MapWindow::of(window);
            ASSERT_NE(map, nullptr);
            EXPECT_TRUE(map->state().longitude().isEmpty());
            ASSERT_TRUE(mappage::showAndSettle(*map));
            search = mappage::state(*map).value(u"search"_s).toObject();
            map->dialog().close();
        });
        m_card->cmdMap->click();
    }
    EXPECT_EQ(search.value(u"source"_s).toString(), u"local"_s);
    EXPECT_EQ(search.value(u"name"_s).toString(), u"江苏省苏州市吴中区"_s)
        << "the division centre from the company's division table";
    EXPECT_TRUE(locationField()->text().isEmpty()) << "closing without a pick changes nothing";
}

} // namespace

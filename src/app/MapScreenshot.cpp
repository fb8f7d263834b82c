#include "app/MapScreenshot.h"

#include "list/FrmCus.h"
#include "map/MapWindow.h"
#include "suite/controls/ColumnSettings.h"
#include "suite/controls/Grid.h"
#include "suite/controls/ModalDisplay.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTableWidget>

#include <cstdio>
#include <functional>
#include <memory>
#include <optional>

namespace host {

namespace {

// Lets the application run until done says so or the clock passes limitMs.
bool runUntil(const QElapsedTimer &clock, qint64 limitMs, const std::function<bool()> &done)
{
    while (!done() && clock.elapsed() < limitMs)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}

// Whether the map page shows its customers' clusters; false when it does not answer in time.
bool clustersDrawn(map::MapWindow &window, const QElapsedTimer &clock, qint64 limitMs)
{
    // The answer may come after the wait gave up: it then lands in the shared value only.
    const auto drawn = std::make_shared<std::optional<bool>>();
    window.askPage(QStringLiteral("mapPageState(false).clustered && "
                                  "document.querySelectorAll('.marker-cluster').length > 0"),
                   [drawn](const QVariant &value) { *drawn = value.toBool(); });
    runUntil(clock, limitMs, [&] { return drawn->has_value(); });
    return drawn->value_or(false);
}

// Ticks the location column in the column settings and confirms them without saving.
void showLocationColumn(QWidget *settings)
{
    auto *set = settings->findChild<suite::ColumnSettings *>(QStringLiteral("ColSet1"));
    auto *table = settings->findChild<QTableWidget *>(QStringLiteral("Columns"));
    if (!set || !table)
        return;
    for (int row = 0; row < set->model().count(); ++row) {
        if (set->model().column(row).field.section(u'.', -1).compare(QLatin1String("cLocationSite"),
                                                                     Qt::CaseInsensitive)
            == 0)
            table->item(row, suite::ColumnSettings::ShownColumn)->setCheckState(Qt::Checked);
    }
    settings->findChild<QCheckBox *>(QStringLiteral("ChkbSave"))->setChecked(false);
    settings->findChild<QPushButton *>(QStringLiteral("cmdOk"))->click();
}

} // namespace

void prepareListForMap(customer::FrmCus &list, int ticked)
{
    // The list sets up its columns and reads its first page once it is shown.
    constexpr qint64 kLongestLoadMs = 10000;
    bool shown = false;
    const QMetaObject::Connection pageShown = QObject::connect(
        &list, &customer::ArchiveListWindow::pageShown, &list, [&shown] { shown = true; });
    QElapsedTimer clock;
    clock.start();
    runUntil(clock, kLongestLoadMs, [&] { return shown || list.Grid->Rows() > 1; });
    QObject::disconnect(pageShown);
    {
        suite::ScopedModalHandler settings(showLocationColumn);
        list.Operating(QStringLiteral("FieldSet"));
    }
    for (int row = 1; row < list.Grid->Rows() && row <= ticked; ++row)
        list.Grid->setTextMatrix(row, 1, QStringLiteral("Y"));
}

int renderMapScreenshot(map::MapWindow &mapWindow, const QString &file)
{
    QDialog &window = mapWindow.dialog();
    constexpr qint64 kLongestDrawMs = 20000;
    constexpr qint64 kPaintMs = 500;
    window.resize(1024, 700);
    window.show();
    QElapsedTimer clock;
    clock.start();
    runUntil(clock, kLongestDrawMs, [&] {
        return mapWindow.pageSettled() && clustersDrawn(mapWindow, clock, kLongestDrawMs);
    });
    // The page paints what it drew a moment after it says so.
    runUntil(clock, clock.elapsed() + kPaintMs, [] { return false; });
    const bool written = window.grab().save(file);
    if (!written)
        std::fprintf(stderr, "customer-archive: cannot write %s\n", qPrintable(file));
    window.close();
    return written ? 0 : 1;
}

} // namespace host

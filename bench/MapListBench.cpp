// The map on the vector base map alone (no tiles): in list mode with 5,000 ticked customers
// spread over China's cities, the time from the page's load to the clusters shown and the time
// a second opening of the session's window takes until they are shown; in single mode, the
// time a second opening takes until the page is ready for a pick.
#include "map/frmmap.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <benchmark/benchmark.h>

#include <cmath>
#include <functional>

namespace {

constexpr int kCustomers = 5000;
constexpr int kLongestWaitMs = 60000;

// Provincial capitals the customers crowd around, as customers do.
constexpr double kCities[][2] = {
    { 116.40, 39.90 }, { 121.47, 31.23 }, { 113.26, 23.13 }, { 104.07, 30.67 }, { 120.16, 30.27 },
    { 118.78, 32.06 }, { 114.31, 30.59 }, { 108.94, 34.34 }, { 117.20, 39.13 }, { 106.55, 29.56 },
    { 126.64, 45.76 }, { 123.43, 41.80 }, { 113.65, 34.76 }, { 117.00, 36.65 }, { 112.98, 28.19 },
    { 119.30, 26.08 }, { 102.71, 25.04 }, { 87.62, 43.83 },  { 91.11, 29.97 },  { 110.35, 20.02 },
};

void handOverCustomers(map::frmmap &window)
{
    window.setLongitude(QString());
    window.setLatitude(QString());
    window.setAddress(QString());
    window.setIsmaplist(true);
    for (int i = 0; i < kCustomers; ++i) {
        const auto &city = kCities[i % std::size(kCities)];
        // A fixed spread around the city, up to about 40 km, the same in every run.
        const double angle = i * 2.399963;
        const double distance = 0.4 * std::sqrt(double(i % 97) / 97.0);
        window.setLongitude(QString::number(city[0] + distance * std::cos(angle), 'f', 6));
        window.setLatitude(QString::number(city[1] + distance * std::sin(angle), 'f', 6));
        window.setAddress(QStringLiteral("简称:客户%1<BR>电话:0512-6552%2<BR>")
                              .arg(i)
                              .arg(i % 10000, 4, 10, QLatin1Char('0')));
    }
}

bool waitUntil(const std::function<bool()> &done)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < kLongestWaitMs)
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    return done();
}

// True once every marker is in the clusters and cluster icons are on the page.
bool clustersShown(map::frmmap &window)
{
    bool answered = false;
    bool shown = false;
    window.WebBrowser1->page()->runJavaScript(
        QStringLiteral("mapPageState(false).clustered && "
                       "document.querySelectorAll('.marker-cluster').length > 0"),
        [&](const QVariant &value) {
            shown = value.toBool();
            answered = true;
        });
    waitUntil([&] { return answered; });
    return shown;
}

bool showUntilClustered(map::frmmap &window)
{
    window.show();
    return waitUntil([&] { return window.pageSettled(); })
        && waitUntil([&] { return clustersShown(window); });
}

} // namespace

// A first opening: a new window loads its page; the time counts from the page's load.
static void BM_MapList5000ClustersAfterPageLoad(benchmark::State &state)
{
    qputenv("CUSTOMER_ARCHIVE_MAP_TILES", "none");
    for (auto _ : state) {
        map::frmmap window(nullptr, nullptr, nullptr);
        window.resize(960, 640);
        handOverCustomers(window);
        QElapsedTimer sincePageLoad;
        QObject::connect(window.WebBrowser1, &QWebEngineView::loadFinished, window.WebBrowser1,
                         [&] { sincePageLoad.start(); });
        QElapsedTimer sinceShow;
        sinceShow.start();
        if (!showUntilClustered(window)) {
            state.SkipWithError("the clusters were not shown");
            break;
        }
        state.SetIterationTime(double(sincePageLoad.nsecsElapsed()) / 1e9);
        state.counters["show_to_clusters_ms"] = double(sinceShow.elapsed());
        window.close();
    }
}
BENCHMARK(BM_MapList5000ClustersAfterPageLoad)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

// The session's window opened again: its page stays loaded, the new showing only resets it.
static void BM_MapList5000SecondOpening(benchmark::State &state)
{
    qputenv("CUSTOMER_ARCHIVE_MAP_TILES", "none");
    map::frmmap window(nullptr, nullptr, nullptr);
    window.resize(960, 640);
    handOverCustomers(window);
    if (!showUntilClustered(window)) {
        state.SkipWithError("the first opening showed no clusters");
        return;
    }
    window.close();
    for (auto _ : state) {
        handOverCustomers(window);
        QElapsedTimer sinceShow;
        sinceShow.start();
        if (!showUntilClustered(window)) {
            state.SkipWithError("the clusters were not shown");
            break;
        }
        state.SetIterationTime(double(sinceShow.nsecsElapsed()) / 1e9);
        window.close();
    }
}
BENCHMARK(BM_MapList5000SecondOpening)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);

// The card's map opened again on another customer with a position: until the page has run
// the showing's scripts and offers the pick button.
static void BM_MapCardSecondOpening(benchmark::State &state)
{
    qputenv("CUSTOMER_ARCHIVE_MAP_TILES", "none");
    map::frmmap window(nullptr, nullptr, nullptr);
    window.resize(960, 640);
    // Two customers far apart, taken in turn, as the user goes from card to card.
    int customer = 0;
    const auto handOver = [&window, &customer] {
        const bool suzhou = customer++ % 2 == 0;
        window.setLongitude(suzhou ? QStringLiteral("120.585316") : QStringLiteral("116.397128"));
        window.setLatitude(suzhou ? QStringLiteral("31.298886") : QStringLiteral("39.916527"));
        const QString address = suzhou ? QStringLiteral("江苏省苏州市吴中区东山镇1号")
                                       : QStringLiteral("北京市东城区景山前街4号");
        window.setDefaultaddress(address);
        window.setAddress(address);
    };
    handOver();
    window.show();
    if (!waitUntil([&] { return window.pageSettled() && window.cmdLocal->isEnabled(); })) {
        state.SkipWithError("the first opening did not settle");
        return;
    }
    window.close();
    for (auto _ : state) {
        handOver();
        QElapsedTimer sinceShow;
        sinceShow.start();
        window.show();
        if (!waitUntil([&] { return window.pageSettled() && window.cmdLocal->isEnabled(); })) {
            state.SkipWithError("the window did not settle");
            break;
        }
        state.SetIterationTime(double(sinceShow.nsecsElapsed()) / 1e9);
        window.close();
    }
}
BENCHMARK(BM_MapCardSecondOpening)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

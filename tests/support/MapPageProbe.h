#pragma once

#include "map/MapState.h"
#include "map/MapWindow.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <functional>

#include <gtest/gtest.h>

// What the map page shows, asked of the page itself. Every wait is bounded and ends as soon as
// the page has answered.
namespace mappage {

inline bool waitUntil(const std::function<bool()> &done, int longestMs = 60000)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < longestMs)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}

inline QVariant evaluate(map::MapWindow &window, const QString &script)
{
    QVariant result;
    bool answered = false;
    window.askPage(script, [&](const QVariant &value) {
        result = value;
        answered = true;
    });
    waitUntil([&] { return answered; });
    return result;
}

// The page's own account: centre, search, point and customer markers with their labels.
inline QJsonObject state(map::MapWindow &window)
{
    return QJsonDocument::fromJson(
               evaluate(window, QStringLiteral("JSON.stringify(mapPageState(true))"))
                   .toString()
                   .toUtf8())
        .object();
}

// The customers' marker indexes, in the order they were handed over.
inline QList<int> customerIndexes(const QJsonObject &state)
{
    QList<int> indexes;
    for (const QJsonValue &customer : state.value(QStringLiteral("customers")).toArray())
        indexes.append(customer.toObject().value(QStringLiteral("index")).toInt());
    return indexes;
}

// One of the window's controls, found by its name as the user finds it by its place.
template<typename Control> Control *control(map::MapWindow &window, const char *name)
{
    auto *found = window.dialog().findChild<Control *>(QLatin1String(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

// A window a modal handler received: shown as the user would see it, until its page settled.
inline bool showAndSettle(map::MapWindow &window)
{
    window.dialog().resize(800, 600);
    window.dialog().show();
    return waitUntil([&] { return window.pageSettled(); });
}

} // namespace mappage

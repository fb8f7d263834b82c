#pragma once

#include "map/frmmap.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <functional>

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

inline QVariant evaluate(map::frmmap &window, const QString &script)
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
inline QJsonObject state(map::frmmap &window)
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

// A window a modal handler received: shown as the user would see it, until its page settled.
inline bool showAndSettle(map::frmmap &window)
{
    window.resize(800, 600);
    window.show();
    return waitUntil([&] { return window.pageSettled(); });
}

} // namespace mappage

#pragma once

#include <QString>
#include <QVariant>
#include <QtPlugin>

#include <functional>
#include <memory>

class QDialog;
class QWidget;

namespace suite {
class IClsCommon;
class ILogin;
class IPub;
} // namespace suite

namespace map {

class MapState;

// The map window as the rest of the program sees it. The window itself lives in the map module,
// which brings the browser with it and is loaded on first use (MapModule): a run that never
// shows the map never loads the browser.
class MapWindow
{
public:
    virtual ~MapWindow();

    // The window to show, modally, and to find the controls of.
    virtual QDialog &dialog() = 0;
    // What the caller hands over before a showing and reads back after it.
    virtual MapState &state() = 0;
    // True once the page of this showing has loaded and every script of the loading steps has
    // run; a screenshot or a test waits for it.
    virtual bool pageSettled() const = 0;
    // Runs a script in the page and hands its value to answer, unless the window is gone by
    // then: how a caller learns what the page shows.
    virtual void askPage(const QString &script, std::function<void(const QVariant &)> answer) = 0;

    // The map window behind a window a modal handler received; nullptr for any other window.
    static MapWindow *of(QWidget *window);
};

// What the map module offers: map windows, each with the session's services.
class MapWindowFactory
{
public:
    virtual ~MapWindowFactory();
    virtual std::unique_ptr<MapWindow> create(std::shared_ptr<suite::IPub> pub,
                                              std::shared_ptr<suite::ILogin> login,
                                              std::shared_ptr<suite::IClsCommon> srv) = 0;
};

} // namespace map

#define MAP_WINDOW_FACTORY_IID "customer-archive.map.MapWindowFactory/1"
Q_DECLARE_INTERFACE(map::MapWindowFactory, MAP_WINDOW_FACTORY_IID)

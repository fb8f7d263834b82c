#include "suite/controls/ModalDisplay.h"

#include <QDialog>
#include <QEvent>
#include <QEventLoop>
#include <QPointer>
#include <QWidget>

namespace suite {

namespace {

ModalHandler &installedHandler()
{
    static ModalHandler handler;
    return handler;
}

// Ends the loop when the window is closed or hidden.
class CloseWatcher : public QObject
{
public:
    explicit CloseWatcher(QEventLoop &loop)
        : m_loop(loop)
    { }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Hide || event->type() == QEvent::Close)
            m_loop.quit();
        return QObject::eventFilter(watched, event);
    }

private:
    QEventLoop &m_loop;
};

void runUntilClosed(QWidget *window)
{
    if (auto *dialog = qobject_cast<QDialog *>(window)) {
        dialog->exec();
        return;
    }
    QEventLoop loop;
    CloseWatcher watcher(loop);
    QPointer<QWidget> guarded(window);
    window->installEventFilter(&watcher);
    QObject::connect(window, &QObject::destroyed, &loop, &QEventLoop::quit);
    window->setWindowModality(Qt::ApplicationModal);
    window->show();
    loop.exec();
    if (guarded)
        guarded->removeEventFilter(&watcher);
}

} // namespace

void showModal(QWidget *window)
{
    if (!window)
        return;
    if (installedHandler()) {
        installedHandler()(window);
        return;
    }
    runUntilClosed(window);
}

ScopedModalHandler::ScopedModalHandler(ModalHandler handler)
    : m_previous(std::exchange(installedHandler(), std::move(handler)))
{ }

ScopedModalHandler::~ScopedModalHandler()
{
    installedHandler() = std::move(m_previous);
}

} // namespace suite

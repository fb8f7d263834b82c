#pragma once

#include <functional>

class QWidget;

namespace suite {

// Every modal window of the component is shown through showModal, so that a test can take the
// place of the user: it installs a handler that receives the window instead of a user, drives
// it and closes it. Without a handler the window is shown application-modal and the call
// returns when it is closed or destroyed.
using ModalHandler = std::function<void(QWidget *window)>;

void showModal(QWidget *window);

// Installs handler for the lifetime of the guard; the previous handler comes back afterwards.
class ScopedModalHandler
{
public:
    explicit ScopedModalHandler(ModalHandler handler);
    ~ScopedModalHandler();
    ScopedModalHandler(const ScopedModalHandler &) = delete;
    ScopedModalHandler &operator=(const ScopedModalHandler &) = delete;

private:
    ModalHandler m_previous;
};

} // namespace suite

#pragma once

#include <QList>
#include <QString>

#include <deque>

namespace suite {

// A platform message-box style decoded: buttons (0 OK, 1 OK/Cancel, 3 Yes/No/Cancel, 4 Yes/No),
// icon (0, 16 critical, 32 question, 48 warning, 64 information) and which button is the
// default (0 first, 1 second, 2 third).
struct MessageStyle
{
    static constexpr int kOk = 1;
    static constexpr int kCancel = 2;
    static constexpr int kYes = 6;
    static constexpr int kNo = 7;

    int buttons = 0;
    int icon = 0;
    int defaultButton = 0;

    static MessageStyle decode(int iStyle);
    // The answers of the buttons in the order they are shown.
    QList<int> answers() const;
    // The answer of the default button (the last one when the style names a button beyond).
    int defaultAnswer() const;
};

// Stands in for the message boxes while it is installed, so that no test waits on a modal
// window: every box is recorded as it would have been shown, and answered from the queue of
// answers, or with its default button once the queue is empty.
class MessageScript
{
public:
    struct Shown
    {
        QString text;
        int style = 0;
        QString title;
    };

    explicit MessageScript(std::deque<int> answers = {});

    int answer(const QString &text, int style, const QString &title);
    const QList<Shown> &shown() const { return m_shown; }

private:
    std::deque<int> m_answers;
    QList<Shown> m_shown;
};

} // namespace suite

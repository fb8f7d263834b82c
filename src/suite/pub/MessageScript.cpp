#include "suite/pub/MessageScript.h"

namespace suite {

MessageStyle MessageStyle::decode(int iStyle)
{
    MessageStyle style;
    style.buttons = iStyle & 0x0f;
    style.icon = iStyle & 0x70;
    style.defaultButton = (iStyle & 0xf00) >> 8;
    return style;
}

QList<int> MessageStyle::answers() const
{
    switch (buttons) {
    case 1:
        return { kOk, kCancel };
    case 3:
        return { kYes, kNo, kCancel };
    case 4:
        return { kYes, kNo };
    default:
        return { kOk };
    }
}

int MessageStyle::defaultAnswer() const
{
    const QList<int> shown = answers();
    return shown.at(qMin(defaultButton, int(shown.size()) - 1));
}

MessageScript::MessageScript(std::deque<int> answers)
    : m_answers(std::move(answers))
{ }

int MessageScript::answer(const QString &text, int style, const QString &title)
{
    m_shown.append({ text, style, title });
    if (m_answers.empty())
        return MessageStyle::decode(style).defaultAnswer();
    const int next = m_answers.front();
    m_answers.pop_front();
    return next;
}

} // namespace suite

#include "suite/controls/RefEdit.h"

#include <QAction>
#include <QFocusEvent>
#include <QStyle>

namespace suite {

RefEdit::RefEdit(QWidget *parent)
    : QLineEdit(parent)
{
    m_button = addAction(style()->standardIcon(QStyle::SP_FileDialogContentsView),
                         QLineEdit::TrailingPosition);
    m_button->setObjectName(QStringLiteral("refButton"));
    m_button->setVisible(false);
    connect(m_button, &QAction::triggered, this, &RefEdit::clickButton);
    connect(this, &QLineEdit::textEdited, this, &RefEdit::onTextEdited);
}

void RefEdit::Init(const std::shared_ptr<ILogin> &oLogin, bool bWeb, const QString &cRefKey,
                   const QString &cRefSetXml)
{
    m_login = oLogin;
    m_web = bWeb;
    m_refKey = cRefKey;
    m_refSetXml = cRefSetXml;
    updateButton();
}

void RefEdit::setLocked(bool locked)
{
    setReadOnly(locked);
    updateButton();
}

bool RefEdit::hasButton() const
{
    return !m_refKey.isEmpty();
}

void RefEdit::clickButton()
{
    if (hasButton() && isEnabled() && !isReadOnly())
        emit buttonClicked();
}

void RefEdit::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    emit leaving();
}

void RefEdit::changeEvent(QEvent *event)
{
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::EnabledChange)
        updateButton();
}

void RefEdit::onTextEdited(const QString &text)
{
    m_tag = m_freeText ? text : QString();
}

void RefEdit::updateButton()
{
    m_button->setVisible(hasButton());
    m_button->setEnabled(isEnabled() && !isReadOnly());
}

} // namespace suite

#include "card/KeyInfoStrip.h"

#include <QHBoxLayout>
#include <QLabel>

namespace customer {

KeyInfoStrip::KeyInfoStrip(QWidget *parent)
    : QWidget(parent)
    , m_codeCaption(new QLabel(this))
    , m_code(new QLabel(this))
    , m_nameCaption(new QLabel(this))
    , m_name(new QLabel(this))
{
    setAutoFillBackground(true);
    QPalette strip = palette();
    strip.setColor(QPalette::Window, strip.color(QPalette::AlternateBase));
    setPalette(strip);
    QFont bold = m_code->font();
    bold.setBold(true);
    m_code->setFont(bold);
    m_name->setFont(bold);
    m_name->setTextFormat(Qt::PlainText);
    m_code->setTextFormat(Qt::PlainText);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(12, 0, 12, 0);
    layout->setSpacing(6);
    layout->addWidget(m_codeCaption);
    layout->addWidget(m_code);
    layout->addSpacing(24);
    layout->addWidget(m_nameCaption);
    layout->addWidget(m_name, 1);
}

void KeyInfoStrip::setCaptions(const QString &codeCaption, const QString &nameCaption)
{
    m_codeCaption->setText(codeCaption);
    m_nameCaption->setText(nameCaption);
}

void KeyInfoStrip::ShowKeyInfo(const QString &code, const QString &name)
{
    m_code->setText(code);
    m_name->setText(name);
}

QString KeyInfoStrip::code() const
{
    return m_code->text();
}

QString KeyInfoStrip::name() const
{
    return m_name->text();
}

} // namespace customer

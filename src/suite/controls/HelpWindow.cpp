#include "suite/controls/HelpWindow.h"

#include "suite/controls/ModalDisplay.h"

#include <QFile>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace suite {

namespace {

const QString kDefaultPage = QStringLiteral("customer");

QString languageOf(const QString &languageRegion)
{
    return languageRegion.startsWith(QStringLiteral("en"), Qt::CaseInsensitive)
        ? QStringLiteral("en-US")
        : QStringLiteral("zh-CN");
}

QString resourceOf(const QString &page, const QString &language)
{
    return QStringLiteral(":/help/%1.%2.html").arg(page, language);
}

QString pageOf(const QString &cContext)
{
    QString page = cContext.trimmed().toLower();
    page.replace(u' ', u'_');
    return page;
}

} // namespace

QString helpPageResource(const QString &cContext, const QString &languageRegion)
{
    const QString language = languageOf(languageRegion);
    const QString own = resourceOf(pageOf(cContext), language);
    return QFile::exists(own) ? own : resourceOf(kDefaultPage, language);
}

HelpWindow::HelpWindow(const QString &cContext, const QString &languageRegion, QWidget *parent)
    : QDialog(parent)
    , m_resource(helpPageResource(cContext, languageRegion))
    , m_browser(new QTextBrowser(this))
{
    QFile page(m_resource);
    if (page.open(QIODevice::ReadOnly))
        m_browser->setHtml(QString::fromUtf8(page.readAll()));
    setWindowTitle(m_browser->documentTitle());
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);
    resize(640, 560);
}

QString HelpWindow::plainText() const
{
    return m_browser->toPlainText();
}

void showHelp(QWidget *parent, const QString &cContext, const QString &languageRegion)
{
    HelpWindow window(cContext, languageRegion, parent);
    showModal(&window);
}

} // namespace suite

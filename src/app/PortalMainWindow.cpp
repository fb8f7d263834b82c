#include "app/PortalMainWindow.h"

#include "suite/pub/ResourceTable.h"

#include <QDir>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace host {

PortalMainWindow::PortalMainWindow(const suite::ResourceTable &texts, const Session &session,
                                   QWidget *parent)
    : QMainWindow(parent)
    , m_texts(texts)
{
    setWindowTitle(m_texts.text(QStringLiteral("Tarn.AA.HOST.MAIN.caption")));
    QMenu *file = menuBar()->addMenu(m_texts.text(QStringLiteral("Tarn.AA.HOST.MAIN.file")));
    QAction *exit = file->addAction(m_texts.text(QStringLiteral("Tarn.AA.HOST.MAIN.exit")));
    exit->setShortcut(QKeySequence::Quit);
    connect(exit, &QAction::triggered, this, &QWidget::close);

    m_tabs = new QTabWidget(this);
    m_tabs->setAccessibleName(m_texts.text(QStringLiteral("Tarn.AA.HOST.MAIN.portaltabs")));
    m_tabs->setDocumentMode(true);
    m_tabs->addTab(createHomePage(session), m_texts.text(QStringLiteral("Tarn.AA.HOST.MAIN.home")));
    setCentralWidget(m_tabs);
    statusBar()->showMessage(companyDatabaseLine());
    resize(1024, 680);
}

QWidget *PortalMainWindow::createHomePage(const Session &session)
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    m_databaseLine = new QLabel(m_texts.format(QStringLiteral("Tarn.AA.HOST.MAIN.companydb"),
                                               { QDir::toNativeSeparators(session.databasePath) }));
    m_databaseLine->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_databaseLine->setWordWrap(true);
    QFont emphasised = m_databaseLine->font();
    emphasised.setPointSizeF(emphasised.pointSizeF() * 1.2);
    emphasised.setBold(true);
    m_databaseLine->setFont(emphasised);
    layout->addWidget(m_databaseLine);
    layout->addWidget(
        new QLabel(m_texts.format(QStringLiteral("Tarn.AA.HOST.MAIN.user"), { session.userId })));
    layout->addWidget(new QLabel(
        m_texts.format(QStringLiteral("Tarn.AA.HOST.MAIN.bizdate"), { session.businessDate })));
    layout->addStretch();
    return page;
}

// A window names itself once it has loaded, and renames itself as the user narrows it: its tab
// follows.
void PortalMainWindow::showForm(QWidget *form, const QString &title)
{
    m_tabs->setCurrentIndex(m_tabs->addTab(form, title));
    connect(form, &QWidget::windowTitleChanged, m_tabs, [this, form](const QString &newTitle) {
        const int tab = m_tabs->indexOf(form);
        if (tab >= 0 && !newTitle.isEmpty())
            m_tabs->setTabText(tab, newTitle);
    });
}

QString PortalMainWindow::companyDatabaseLine() const
{
    return m_databaseLine->text();
}

} // namespace host

// The list's quick search: a box at the end of the toolbar that narrows the list as the user
// types.
#include "list/FrmCus.h"

#include "entry/GuardedProcedure.h"
#include "entry/SessionContext.h"
#include "suite/controls/Toolbar.h"
#include "suite/pub/IPub.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QShortcut>
#include <QTimer>

namespace customer {

namespace {

// Typing on without a pause searches once, for the words as they stand after it.
constexpr int kSearchPauseMs = 150;
constexpr int kSearchBoxPixels = 180;

} // namespace

QWidget *FrmCus::buildToolbarRow()
{
    auto *row = new QWidget(body());
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 4, 0);
    layout->setSpacing(4);
    TLB2 = new suite::Toolbar(row);
    TLB2->setObjectName(QStringLiteral("TLB2"));
    layout->addWidget(TLB2, 1);

    EdtSearch = new QLineEdit(row);
    EdtSearch->setObjectName(QStringLiteral("EdtSearch"));
    EdtSearch->setClearButtonEnabled(true);
    EdtSearch->setFixedWidth(kSearchBoxPixels);
    layout->addWidget(EdtSearch);

    m_searchPause = new QTimer(this);
    m_searchPause->setSingleShot(true);
    m_searchPause->setInterval(kSearchPauseMs);
    connect(EdtSearch, &QLineEdit::textEdited, m_searchPause, qOverload<>(&QTimer::start));
    // The clear button changes the text without an edit.
    connect(EdtSearch, &QLineEdit::textChanged, this, [this](const QString &text) {
        if (text.isEmpty() && !m_quickSearch.isEmpty())
            m_searchPause->start();
    });
    connect(m_searchPause, &QTimer::timeout, this, [this] {
        runGuarded(QStringLiteral("FrmCus.EdtSearch_Change"), [this] { applyQuickSearch(); });
    });

    auto *clear = new QAction(EdtSearch);
    clear->setShortcut(Qt::Key_Escape);
    clear->setShortcutContext(Qt::WidgetShortcut);
    EdtSearch->addAction(clear);
    connect(clear, &QAction::triggered, this, [this] {
        EdtSearch->clear();
        m_searchPause->stop();
        runGuarded(QStringLiteral("FrmCus.EdtSearch_Change"), [this] { applyQuickSearch(); });
    });
    auto *find = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_F), this);
    find->setContext(Qt::WidgetWithChildrenShortcut);
    connect(find, &QShortcut::activated, this, [this] { focusQuickSearch(); });
    // The search index covers the archive only.
    EdtSearch->setVisible(m_variant.quickSearch);
    find->setEnabled(m_variant.quickSearch);
    return row;
}

void FrmCus::captionQuickSearch()
{
    if (!g_oPub)
        return;
    EdtSearch->setPlaceholderText(
        g_oPub->GetResString(QStringLiteral("Tarn.AA.ARCHIVE.COMMON.quicksearch")));
    EdtSearch->setToolTip(
        g_oPub->GetResString(QStringLiteral("Tarn.AA.ARCHIVE.COMMON.quicksearchtip")));
}

void FrmCus::focusQuickSearch()
{
    EdtSearch->setFocus(Qt::ShortcutFocusReason);
    EdtSearch->selectAll();
}

// A new search starts at its first page. The list is not ready before its first activation,
// which reads the words the box holds by then.
void FrmCus::applyQuickSearch()
{
    if (EdtSearch->text() == m_quickSearch)
        return;
    m_quickSearch = EdtSearch->text();
    if (!m_loaded || m_firstActivation)
        return;
    EdtiCurPage->setText(QStringLiteral("1"));
    DataRefresh(m_lastCondition);
}

} // namespace customer

#include "entry/ArchiveListWindow.h"

#include "entry/SessionContext.h"
#include "list/ListPaging.h"
#include "suite/pub/IPub.h"

#include "suite/controls/RefClient.h"
#include "suite/controls/StatusBar.h"
#include "suite/controls/UpDown.h"

#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace customer {

namespace {

constexpr int kStatusPanels = 3;
// The spinner's bound while the pages are not counted yet: the page read moves a page beyond
// the rows to the last one.
constexpr int kUncountedPages = 1000000000;

QLineEdit *numberBox(QWidget *parent)
{
    auto *box = new QLineEdit(parent);
    box->setValidator(new QIntValidator(0, 1000000000, box));
    box->setAlignment(Qt::AlignRight);
    box->setMaximumWidth(80);
    return box;
}

} // namespace

ArchiveListWindow::ArchiveListWindow(QWidget *parent)
    : QWidget(parent)
    , FrameWeb(new QWidget(this))
    , Lblpagesize(new QLabel(FrameWeb))
    , EdtPageSize(numberBox(FrameWeb))
    , UpDown1(new suite::UpDown(FrameWeb))
    , Llbcurpage(new QLabel(FrameWeb))
    , EdtiCurPage(numberBox(FrameWeb))
    , UpDown2(new suite::UpDown(FrameWeb))
    , LblTotalPage(new QLabel(FrameWeb))
    , CmdRequest(new QPushButton(FrameWeb))
    , Stb(new suite::StatusBar(kStatusPanels, this))
{
    EdtPageSize->setObjectName(QStringLiteral("EdtPageSize"));
    EdtiCurPage->setObjectName(QStringLiteral("EdtiCurPage"));
    LblTotalPage->setObjectName(QStringLiteral("LblTotalPage"));
    CmdRequest->setObjectName(QStringLiteral("CmdRequest"));
    UpDown1->setMin(5);
    UpDown1->setIncrement(5);
    UpDown2->setMin(1);

    auto *strip = new QHBoxLayout(FrameWeb);
    strip->setContentsMargins(4, 2, 4, 2);
    for (int link = 0; link < int(LblPage.size()); ++link) {
        LblPage[link] = new QLabel(FrameWeb);
        LblPage[link]->setObjectName(QStringLiteral("LblPage%1").arg(link));
        strip->addWidget(LblPage[link]);
    }
    strip->addStretch(1);
    for (QWidget *control :
         std::initializer_list<QWidget *>{ Lblpagesize, EdtPageSize, UpDown1, Llbcurpage,
                                           EdtiCurPage, UpDown2, LblTotalPage, CmdRequest })
        strip->addWidget(control);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_body = new QWidget(this);
    layout->addWidget(m_body, 1);
    layout->addWidget(FrameWeb);
    layout->addWidget(Stb);
    LblPageEnabled(false, false);
}

ArchiveListWindow::~ArchiveListWindow() = default;

void ArchiveListWindow::LblPageEnabled(bool bFore, bool bBack)
{
    LblPage[0]->setEnabled(bFore);
    LblPage[1]->setEnabled(bFore);
    LblPage[2]->setEnabled(bBack);
    LblPage[3]->setEnabled(bBack);
}

void ArchiveListWindow::showPageNumbers(int page, int pageCount, bool pageFull)
{
    const bool counted = pageCount >= 0;
    EdtiCurPage->setText(QString::number(page));
    UpDown2->setMax(counted ? qMax(1, pageCount) : kUncountedPages);
    QString total;
    if (counted)
        g_aResArgs = QStringList{ QString::number(pageCount) };
    if (g_oPub) {
        total = counted
            ? g_oPub->GetResFormatString(QStringLiteral("Tarn.AA.ARCHIVE.BUTTON.sumpages"),
                                         g_aResArgs)
            : g_oPub->GetResString(QStringLiteral("Tarn.AA.ARCHIVE.COMMON.countingpages"));
    }
    EdtiCurPage->setToolTip(total);
    LblTotalPage->setText(total);
    const PageLinks links = pageLinks(page, pageCount, pageFull);
    LblPage[0]->setEnabled(links.fore);
    LblPage[1]->setEnabled(links.fore);
    LblPage[2]->setEnabled(links.next);
    LblPage[3]->setEnabled(links.last);
}

} // namespace customer

#include "merge/FrmDuplicates.h"

#include "entry/ArchiveEntry.h"
#include "entry/GuardedProcedure.h"
#include "entry/SessionContext.h"
#include "list/FrmCus.h"
#include "merge/DuplicateScan.h"
#include "suite/pub/IPub.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace customer {

namespace {

constexpr int kShownPairs = 1000;

QString res(const char *key)
{
    return g_oPub ? g_oPub->GetResString(QLatin1StringView(key)) : QString::fromLatin1(key);
}

QString resFormat(const char *key, qsizetype value)
{
    return g_oPub ? g_oPub->GetResFormatString(QLatin1StringView(key), { QString::number(value) })
                  : QString::number(value);
}

// The button first, so that it shows however wide the names are.
enum Column { Merge, Score, Reasons, Code1, Name1, Tax1, Phone1, Code2, Name2, Tax2, Phone2 };

} // namespace

FrmDuplicates::FrmDuplicates(ArchiveEntry *cls, QWidget *parent)
    : QDialog(parent)
    , m_cls(cls)
    , LblStatus(new QLabel(this))
    , GridPairs(new QTableWidget(this))
    , CmdClose(new QPushButton(this))
{
    setObjectName(QStringLiteral("frmDuplicates"));
    GridPairs->setObjectName(QStringLiteral("GridPairs"));
    CmdClose->setObjectName(QStringLiteral("CmdClose"));
    GridPairs->setColumnCount(Phone2 + 1);
    GridPairs->setEditTriggers(QAbstractItemView::NoEditTriggers);
    GridPairs->setSelectionBehavior(QAbstractItemView::SelectRows);
    GridPairs->verticalHeader()->hide();
    GridPairs->setHorizontalHeaderLabels(
        { QString(), res("Tarn.AA.CUSTOMER.FRMDUPLICATES.score"),
          res("Tarn.AA.CUSTOMER.FRMDUPLICATES.reasons"), res("Tarn.AA.CUSTOMER.FRMUNITE.cus1"),
          res("Tarn.AA.ARCHIVE.FIELD.ccusname"), res("Tarn.AA.CUSTOMER.FRMDUPLICATES.taxcol"),
          res("Tarn.AA.CUSTOMER.FRMDUPLICATES.phonecol"), res("Tarn.AA.CUSTOMER.FRMUNITE.cus2"),
          res("Tarn.AA.ARCHIVE.FIELD.ccusname"), res("Tarn.AA.CUSTOMER.FRMDUPLICATES.taxcol"),
          res("Tarn.AA.CUSTOMER.FRMDUPLICATES.phonecol") });
    CmdClose->setText(res("Tarn.AA.CUSTOMER.FRMDUPLICATES.close"));
    connect(CmdClose, &QPushButton::clicked, this, &QDialog::reject);
    // Queued: the merge reads the pairs again, which replaces the row (and the button) that
    // asked for it.
    connect(
        GridPairs, &QTableWidget::cellActivated, this,
        [this](int row, int) {
            runGuarded(QStringLiteral("frmDuplicates.mergeRow"), [&] { mergeRow(row); });
        },
        Qt::QueuedConnection);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(LblStatus, 1);
    buttons->addWidget(CmdClose);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(GridPairs, 1);
    layout->addLayout(buttons);
    setWindowTitle(res("Tarn.AA.CUSTOMER.FRMDUPLICATES.title"));
    if (g_oPub)
        g_oPub->FrmUniteFont(this);
    resize(1100, 520);
}

void FrmDuplicates::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!m_scanned)
        runGuarded(QStringLiteral("frmDuplicates.scan"), [this] { scan(); });
}

void FrmDuplicates::scan()
{
    m_scanned = true;
    GridPairs->setRowCount(0);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    DuplicateScan scanner;
    const bool done =
        scanner.run(DuplicateScan::kDefaultMinScore, kShownPairs, m_pairs, [this](qsizetype read) {
            LblStatus->setText(resFormat("Tarn.AA.CUSTOMER.FRMDUPLICATES.reading", read));
            QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
            return true;
        });
    QApplication::restoreOverrideCursor();
    showPairs();
    if (!done)
        LblStatus->setText(res("Tarn.AA.CUSTOMER.FRMDUPLICATES.failed"));
}

void FrmDuplicates::showPairs()
{
    const QHash<QString, DuplicateCustomer> customers = DuplicateScan::customersOf(m_pairs);
    GridPairs->setRowCount(int(m_pairs.size()));
    for (int row = 0; row < int(m_pairs.size()); ++row) {
        const DuplicatePair &pair = m_pairs.at(row);
        const DuplicateCustomer first = customers.value(pair.code1);
        const DuplicateCustomer second = customers.value(pair.code2);
        const QStringList cells{ QString::number(pair.score),
                                 DuplicateScan::reasonsText(pair),
                                 pair.code1,
                                 first.name,
                                 first.taxNumber,
                                 first.phone,
                                 pair.code2,
                                 second.name,
                                 second.taxNumber,
                                 second.phone };
        for (int column = Score; column <= Phone2; ++column)
            GridPairs->setItem(row, column, new QTableWidgetItem(cells.at(column - Score)));
        auto *merge = new QPushButton(res("Tarn.AA.CUSTOMER.FRMDUPLICATES.merge"));
        connect(
            merge, &QPushButton::clicked, this,
            [this, row] {
                runGuarded(QStringLiteral("frmDuplicates.mergeRow"), [&] { mergeRow(row); });
            },
            Qt::QueuedConnection);
        GridPairs->setCellWidget(row, Merge, merge);
    }
    GridPairs->resizeColumnsToContents();
    LblStatus->setText(resFormat("Tarn.AA.CUSTOMER.FRMDUPLICATES.found", m_pairs.size()));
}

// The pair's first customer goes into the second; the merge window lets the user swap them
// before confirming.
void FrmDuplicates::mergeRow(int row)
{
    if (row < 0 || row >= m_pairs.size() || !m_cls)
        return;
    auto *list = qobject_cast<FrmCus *>(m_cls->listWindow());
    if (!list)
        return;
    const DuplicatePair pair = m_pairs.at(row);
    list->uniteCustomers(pair.code1, pair.code2);
    scan();
}

} // namespace customer

#include "suite/ref/ReferenceWindow.h"

#include "suite/data/IClsCommon.h"
#include "suite/pub/ResourceTable.h"
#include "suite/ref/ReferenceValue.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QStandardItemModel>
#include <QTableView>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace suite {

namespace {

constexpr int kFirstPage = 1;
// Asked for as a page number, the data service answers with the last page.
constexpr int kLastPage = std::numeric_limits<int>::max();

bool isEnter(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

ReferenceWindow::ReferenceWindow(ReferenceQuery query, std::shared_ptr<IClsCommon> service,
                                 const ResourceTable &texts, QWidget *parent, int pageSize)
    : QDialog(parent)
    , m_query(std::move(query))
    , m_service(std::move(service))
    , m_texts(texts)
{
    m_page.size = pageSize;
    setWindowTitle(texts.text(m_query.reference().titleKey));
    buildLayout();
    connect(m_search, &QLineEdit::textEdited, m_searchDelay, qOverload<>(&QTimer::start));
    connect(m_searchDelay, &QTimer::timeout, this, &ReferenceWindow::applySearch);
    connect(m_rows, &QTableView::doubleClicked, this, &ReferenceWindow::choose);
    read(kFirstPage);
}

void ReferenceWindow::buildLayout()
{
    m_search = new QLineEdit(this);
    m_search->setObjectName(QStringLiteral("search"));
    m_search->setClearButtonEnabled(true);
    m_search->installEventFilter(this);
    m_searchDelay = new QTimer(this);
    m_searchDelay->setSingleShot(true);
    m_searchDelay->setInterval(kSearchDelayMs);
    auto *searchLabel = new QLabel(m_texts.text(QStringLiteral("Tarn.AA.REF.search")), this);
    searchLabel->setBuddy(m_search);

    m_model = new QStandardItemModel(this);
    m_rows = new QTableView(this);
    m_rows->setObjectName(QStringLiteral("rows"));
    m_rows->setModel(m_model);
    m_rows->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_rows->setSelectionMode(QAbstractItemView::SingleSelection);
    m_rows->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_rows->verticalHeader()->hide();
    m_rows->horizontalHeader()->setStretchLastSection(true);
    m_rows->installEventFilter(this);

    m_pageLabel = new QLabel(this);
    m_pageLabel->setObjectName(QStringLiteral("page"));
    m_message = new QLabel(this);
    m_message->setObjectName(QStringLiteral("message"));
    m_message->setWordWrap(true);
    m_message->hide();

    auto *paging = new QHBoxLayout;
    paging->addWidget(
        pageButton(QStringLiteral("first"), QStringLiteral("Tarn.AA.REF.first"), -kLastPage));
    paging->addWidget(
        pageButton(QStringLiteral("previous"), QStringLiteral("Tarn.AA.REF.previous"), -1));
    paging->addWidget(m_pageLabel);
    paging->addWidget(pageButton(QStringLiteral("next"), QStringLiteral("Tarn.AA.REF.next"), 1));
    paging->addWidget(
        pageButton(QStringLiteral("last"), QStringLiteral("Tarn.AA.REF.last"), kLastPage));
    paging->addStretch();
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageUp), this), &QShortcut::activated,
            this, [this] { showPage(m_page.page - 1); });
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageDown), this), &QShortcut::activated,
            this, [this] { showPage(m_page.page + 1); });

    auto *buttons = new QDialogButtonBox(this);
    m_ok = buttons->addButton(QDialogButtonBox::Ok);
    m_ok->setText(m_texts.text(QStringLiteral("Tarn.AA.PUB.DIALOG.ok")));
    m_ok->setAutoDefault(false);
    QPushButton *cancel = buttons->addButton(QDialogButtonBox::Cancel);
    cancel->setText(m_texts.text(QStringLiteral("Tarn.AA.PUB.DIALOG.cancel")));
    cancel->setAutoDefault(false);
    connect(m_ok, &QPushButton::clicked, this, &ReferenceWindow::choose);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *searchRow = new QHBoxLayout;
    searchRow->addWidget(searchLabel);
    searchRow->addWidget(m_search);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(searchRow);
    layout->addWidget(m_rows);
    layout->addWidget(m_message);
    layout->addLayout(paging);
    layout->addWidget(buttons);
    m_search->setFocus();
}

QToolButton *ReferenceWindow::pageButton(const QString &name, const QString &textKey, int step)
{
    auto *button = new QToolButton(this);
    button->setObjectName(name);
    button->setText(m_texts.text(textKey));
    button->setFocusPolicy(Qt::NoFocus);
    connect(button, &QToolButton::clicked, this,
            [this, step] { showPage(std::abs(step) == kLastPage ? step : m_page.page + step); });
    m_pageButtons.append(button);
    return button;
}

void ReferenceWindow::setSearchText(const QString &text)
{
    m_search->setText(text);
    applySearch();
}

void ReferenceWindow::applySearch()
{
    m_searchDelay->stop();
    m_query.setSearch(m_search->text());
    read(kFirstPage);
}

void ReferenceWindow::showPage(int page)
{
    read(std::max(page, kFirstPage));
}

int ReferenceWindow::rowCount() const
{
    return m_model->rowCount();
}

QString ReferenceWindow::message() const
{
    return m_message->text();
}

void ReferenceWindow::read(int page)
{
    QString sMsg;
    ReferencePage wanted = m_page;
    wanted.page = page;
    if (!m_service) {
        sMsg = m_texts.text(QStringLiteral("Tarn.AA.REF.noservice"));
    } else if (m_query.readPage(*m_service, wanted, sMsg)) {
        m_page = wanted;
        sMsg.clear();
    } else {
        m_page = ReferencePage{ m_page.size, kFirstPage, 0, RecordSet() };
    }
    m_message->setText(sMsg);
    m_message->setVisible(!sMsg.isEmpty());
    fillRows();
    updatePaging();
}

void ReferenceWindow::fillRows()
{
    const QList<ReferenceColumn> &columns = m_query.reference().columns;
    m_model->clear();
    QStringList headers;
    for (const ReferenceColumn &column : columns)
        headers.append(m_texts.text(column.captionKey));
    m_model->setHorizontalHeaderLabels(headers);
    const RecordSet &rows = m_page.rows;
    QList<int> fields;
    for (const ReferenceColumn &column : columns)
        fields.append(rows.FieldIndex(column.field));
    for (int row = 0; rows.IsOpen() && row < rows.RecordCount(); ++row) {
        QList<QStandardItem *> items;
        for (const int field : fields)
            items.append(new QStandardItem(rows.valueAt(row, field).toString()));
        m_model->appendRow(items);
    }
    if (m_model->rowCount() > 0)
        m_rows->selectRow(0);
}

void ReferenceWindow::updatePaging()
{
    m_pageLabel->setText(m_texts.format(QStringLiteral("Tarn.AA.REF.page"),
                                        { QString::number(m_page.pageCount > 0 ? m_page.page : 0),
                                          QString::number(m_page.pageCount) }));
    const bool back = m_page.page > kFirstPage;
    const bool forward = m_page.page < m_page.pageCount;
    m_pageButtons.at(0)->setEnabled(back);
    m_pageButtons.at(1)->setEnabled(back);
    m_pageButtons.at(2)->setEnabled(forward);
    m_pageButtons.at(3)->setEnabled(forward);
    m_ok->setEnabled(m_model->rowCount() > 0);
}

void ReferenceWindow::choose()
{
    const QModelIndex current = m_rows->currentIndex();
    RecordSet row = singleRowOf(m_page.rows, current.isValid() ? current.row() : -1);
    if (!row.IsOpen())
        return;
    m_chosen = row;
    accept();
}

bool ReferenceWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (watched == m_search && searchKey(key))
            return true;
        if (watched == m_rows && rowsKey(key))
            return true;
    }
    return QDialog::eventFilter(watched, event);
}

// Enter first finishes a search still waiting for its pause; on the rows found it chooses.
bool ReferenceWindow::searchKey(int key)
{
    if (isEnter(key)) {
        if (m_searchDelay->isActive())
            applySearch();
        else
            choose();
        return true;
    }
    if (key == Qt::Key_Down && m_model->rowCount() > 0) {
        m_rows->setFocus();
        return true;
    }
    return false;
}

bool ReferenceWindow::rowsKey(int key)
{
    if (isEnter(key)) {
        choose();
        return true;
    }
    if (key == Qt::Key_Up && m_rows->currentIndex().row() <= 0) {
        m_search->setFocus();
        return true;
    }
    return false;
}

} // namespace suite

#include "suite/card/SubRecordDialog.h"

#include "suite/card/SubRecordList.h"
#include "suite/pub/ResourceTable.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace suite {

SubRecordDialog::SubRecordDialog(SubRecordList &list, IClsCommon &srv, const ResourceTable &texts,
                                 Messenger tellUser, QWidget *parent)
    : QDialog(parent)
    , m_list(list)
    , m_srv(srv)
    , m_texts(texts)
    , m_tellUser(std::move(tellUser))
    , m_table(new QTableWidget(this))
{
    setWindowTitle(texts.text(list.kind().titleKey));
    m_table->setObjectName(QStringLiteral("rows"));
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    QStringList captions;
    for (const SubRecordColumn &column : list.kind().shownColumns())
        captions.append(texts.text(column.captionKey));
    if (defaultColumn() >= 0)
        captions.append(texts.text(QStringLiteral("Tarn.AA.SUBREC.COMMON.default")));
    m_table->setColumnCount(int(captions.size()));
    m_table->setHorizontalHeaderLabels(captions);
    m_table->horizontalHeader()->setStretchLastSection(true);
    if (list.isReadOnly())
        m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    fillTable();
    connect(m_table, &QTableWidget::itemChanged, this, &SubRecordDialog::takeEdit);

    auto *rowButtons = new QHBoxLayout;
    QPushButton *add = button("add", QStringLiteral("Tarn.AA.SUBREC.COMMON.add"));
    QPushButton *remove = button("remove", QStringLiteral("Tarn.AA.SUBREC.COMMON.remove"));
    connect(add, &QPushButton::clicked, this, &SubRecordDialog::addRow);
    connect(remove, &QPushButton::clicked, this, &SubRecordDialog::removeCurrentRow);
    rowButtons->addWidget(add);
    rowButtons->addWidget(remove);
    if (defaultColumn() >= 0) {
        QPushButton *setDefault =
            button("setDefault", QStringLiteral("Tarn.AA.SUBREC.COMMON.setdefault"));
        connect(setDefault, &QPushButton::clicked, this, &SubRecordDialog::setCurrentDefault);
        rowButtons->addWidget(setDefault);
    }
    rowButtons->addStretch();

    auto *box = new QDialogButtonBox(this);
    if (list.isReadOnly()) {
        box->setStandardButtons(QDialogButtonBox::Close);
        box->button(QDialogButtonBox::Close)
            ->setText(texts.text(QStringLiteral("Tarn.AA.PUB.DIALOG.close")));
    } else {
        box->setStandardButtons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
        box->button(QDialogButtonBox::Ok)
            ->setText(texts.text(QStringLiteral("Tarn.AA.PUB.DIALOG.ok")));
        box->button(QDialogButtonBox::Cancel)
            ->setText(texts.text(QStringLiteral("Tarn.AA.PUB.DIALOG.cancel")));
    }
    connect(box, &QDialogButtonBox::accepted, this, &SubRecordDialog::accept);
    connect(box, &QDialogButtonBox::rejected, this, &SubRecordDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(rowButtons);
    layout->addWidget(m_table);
    layout->addWidget(box);
    resize(720, 360);
}

QPushButton *SubRecordDialog::button(const char *objectName, const QString &captionKey)
{
    auto *button = new QPushButton(m_texts.text(captionKey), this);
    button->setObjectName(QLatin1String(objectName));
    button->setEnabled(!m_list.isReadOnly());
    return button;
}

int SubRecordDialog::defaultColumn() const
{
    return m_list.kind().defaultColumn.isEmpty() ? -1 : int(m_list.kind().shownColumns().size());
}

void SubRecordDialog::fillTable()
{
    m_table->setRowCount(m_list.rowCount());
    for (int row = 0; row < m_list.rowCount(); ++row)
        fillRow(row);
}

void SubRecordDialog::fillRow(int row)
{
    m_filling = true;
    const QList<SubRecordColumn> shown = m_list.kind().shownColumns();
    for (int column = 0; column < shown.size(); ++column) {
        auto *item = new QTableWidgetItem(m_list.shownText(m_srv, row, shown.at(column)));
        if (shown.at(column).lookup)
            item->setFlags(item->flags() & ~Qt::ItemIsEditable);
        m_table->setItem(row, column, item);
    }
    if (defaultColumn() >= 0) {
        auto *item =
            new QTableWidgetItem(m_list.row(row).isDefault ? QStringLiteral("✓") : QString());
        item->setFlags(item->flags() & ~Qt::ItemIsEditable);
        m_table->setItem(row, defaultColumn(), item);
    }
    m_filling = false;
}

void SubRecordDialog::takeEdit(QTableWidgetItem *item)
{
    if (m_filling || m_list.isReadOnly())
        return;
    const QList<SubRecordColumn> shown = m_list.kind().shownColumns();
    if (item->column() >= shown.size())
        return;
    const int stored = m_list.kind().storedIndex(shown.at(item->column()).name);
    if (stored < 0)
        return;
    m_list.setValue(item->row(), stored, item->text());
    fillRow(item->row());
}

void SubRecordDialog::addRow()
{
    if (m_list.isReadOnly())
        return;
    const int row = m_list.addRow();
    m_table->setRowCount(m_list.rowCount());
    fillRow(row);
    m_table->setCurrentCell(row, 0);
}

void SubRecordDialog::removeCurrentRow()
{
    const int row = m_table->currentRow();
    if (m_list.isReadOnly() || row < 0)
        return;
    m_list.removeRow(row);
    fillTable();
}

void SubRecordDialog::setCurrentDefault()
{
    const int row = m_table->currentRow();
    if (m_list.isReadOnly() || row < 0)
        return;
    m_list.setDefault(row);
    fillTable();
    m_table->setCurrentCell(row, 0);
}

void SubRecordDialog::accept()
{
    if (m_list.isReadOnly()) {
        reject();
        return;
    }
    QString sMsg;
    if (!m_list.validate(m_srv, m_texts, sMsg)) {
        m_tellUser(sMsg);
        return;
    }
    QDialog::accept();
}

} // namespace suite

#include "suite/controls/ColumnSettings.h"

#include "suite/pub/ResourceTable.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

namespace suite {

namespace {

// The sort values in the order of the sort combo box.
const QStringList &sortValues()
{
    static const QStringList values{ QString(), QStringLiteral("asc"), QStringLiteral("desc") };
    return values;
}

QTableWidgetItem *checkItem(bool checked)
{
    auto *item = new QTableWidgetItem;
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    item->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
    return item;
}

} // namespace

ColumnSettings::ColumnSettings(const ResourceTable &texts, QWidget *parent)
    : QWidget(parent)
    , m_texts(texts)
    , m_table(new QTableWidget(0, 6, this))
    , m_save(new QCheckBox(texts.text(QStringLiteral("Tarn.AA.PUB.COLSET.save")), this))
    , m_message(new QLabel(this))
    , m_buttons(new QWidget(this))
{
    m_table->setObjectName(QStringLiteral("Columns"));
    m_table->setHorizontalHeaderLabels({ texts.text(QStringLiteral("Tarn.AA.PUB.COLSET.caption")),
                                         texts.text(QStringLiteral("Tarn.AA.PUB.COLSET.shown")),
                                         texts.text(QStringLiteral("Tarn.AA.PUB.COLSET.width")),
                                         texts.text(QStringLiteral("Tarn.AA.PUB.COLSET.order")),
                                         texts.text(QStringLiteral("Tarn.AA.PUB.COLSET.sort")),
                                         texts.text(QStringLiteral("Tarn.AA.PUB.COLSET.fixed")) });
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->horizontalHeader()->setSectionResizeMode(CaptionColumn, QHeaderView::Stretch);
    connect(m_table, &QTableWidget::itemChanged, this,
            [this](QTableWidgetItem *item) { onItemChanged(item->row(), item->column()); });
    m_save->setObjectName(QStringLiteral("ChkbSave"));
    m_save->setVisible(false);
    m_message->setObjectName(QStringLiteral("LblMessage"));
    m_message->setWordWrap(true);

    auto *buttons = new QHBoxLayout(m_buttons);
    buttons->setContentsMargins(0, 0, 0, 0);
    connect(addButton("cmdUp", "Tarn.AA.PUB.COLSET.up"), &QPushButton::clicked, this,
            [this] { move(true); });
    connect(addButton("cmdDown", "Tarn.AA.PUB.COLSET.down"), &QPushButton::clicked, this,
            [this] { move(false); });
    connect(addButton("cmdAll", "Tarn.AA.PUB.COLSET.all"), &QPushButton::clicked, this,
            &ColumnSettings::reloadAllRequested);
    connect(addButton("cmdShown", "Tarn.AA.PUB.COLSET.shown_only"), &QPushButton::clicked, this,
            &ColumnSettings::reloadShownRequested);
    connect(addButton("cmdDefaults", "Tarn.AA.PUB.COLSET.defaults"), &QPushButton::clicked, this,
            &ColumnSettings::reloadDefaultsRequested);
    buttons->addStretch();
    buttons->addWidget(m_save);
    connect(addButton("cmdOk", "Tarn.AA.PUB.DIALOG.ok"), &QPushButton::clicked, this,
            [this] { emit confirmed(saveOptionVisible() && m_save->isChecked(), xml()); });
    connect(addButton("cmdCancel", "Tarn.AA.PUB.DIALOG.cancel"), &QPushButton::clicked, this,
            &ColumnSettings::cancelled);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_table);
    layout->addWidget(m_message);
    layout->addWidget(m_buttons);
}

QPushButton *ColumnSettings::addButton(const char *objectName, const char *textKey)
{
    auto *button = new QPushButton(m_texts.text(QLatin1StringView(textKey)), m_buttons);
    button->setObjectName(QLatin1StringView(objectName));
    m_buttons->layout()->addWidget(button);
    return button;
}

bool ColumnSettings::setXml(const QString &xml)
{
    QString sMsg;
    const bool loaded = m_model.load(xml, sMsg);
    if (loaded)
        fillTable();
    report(loaded, sMsg);
    return loaded;
}

void ColumnSettings::setSaveOptionVisible(bool visible)
{
    m_save->setVisible(visible);
}

bool ColumnSettings::saveOptionVisible() const
{
    return !m_save->isHidden();
}

int ColumnSettings::currentRow() const
{
    return m_table->currentRow();
}

void ColumnSettings::setCurrentRow(int row)
{
    m_table->setCurrentCell(row, CaptionColumn);
}

QString ColumnSettings::message() const
{
    return m_message->text();
}

void ColumnSettings::fillTable()
{
    m_filling = true;
    m_table->setRowCount(m_model.count());
    for (int row = 0; row < m_model.count(); ++row)
        fillRow(row);
    m_filling = false;
}

void ColumnSettings::fillRow(int row)
{
    const Column &column = m_model.column(row);
    auto *caption = new QTableWidgetItem(column.caption);
    caption->setToolTip(column.field);
    m_table->setItem(row, CaptionColumn, caption);
    m_table->setItem(row, ShownColumn, checkItem(column.visible));
    auto *order = new QTableWidgetItem(QString::number(column.order));
    order->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    m_table->setItem(row, OrderColumn, order);
    m_table->setItem(row, FixedColumn, checkItem(column.fixed));

    auto *width = new QSpinBox(m_table);
    // The lowest value leaves the width to the list, which fits the column to its contents.
    width->setRange(Column::kDefaultWidth, ColumnSettingsModel::kMaxWidth);
    width->setSpecialValueText(m_texts.text(QStringLiteral("Tarn.AA.PUB.COLSET.fitwidth")));
    width->setValue(column.width);
    // Every move refills the table, so the row a cell widget was made for stays its row.
    connect(width, &QSpinBox::valueChanged, this, [this, row](int value) {
        QString sMsg;
        report(m_model.setWidth(row, value, sMsg), sMsg);
    });
    m_table->setCellWidget(row, WidthColumn, width);

    auto *sort = new QComboBox(m_table);
    sort->addItems({ m_texts.text(QStringLiteral("Tarn.AA.PUB.COLSET.sort_none")),
                     m_texts.text(QStringLiteral("Tarn.AA.PUB.COLSET.sort_asc")),
                     m_texts.text(QStringLiteral("Tarn.AA.PUB.COLSET.sort_desc")) });
    sort->setCurrentIndex(int(sortValues().indexOf(column.sort)));
    connect(sort, &QComboBox::currentIndexChanged, this, [this, row](int index) {
        QString sMsg;
        report(m_model.setSort(row, sortValues().value(index), sMsg), sMsg);
    });
    m_table->setCellWidget(row, SortColumn, sort);
}

void ColumnSettings::onItemChanged(int row, int tableColumn)
{
    if (m_filling)
        return;
    QTableWidgetItem *item = m_table->item(row, tableColumn);
    QString sMsg;
    bool accepted = true;
    if (tableColumn == CaptionColumn)
        accepted = m_model.setCaption(row, item->text(), sMsg);
    else if (tableColumn == ShownColumn)
        accepted = m_model.setVisible(row, item->checkState() == Qt::Checked, sMsg);
    else if (tableColumn == FixedColumn)
        accepted = m_model.setFixed(row, item->checkState() == Qt::Checked, sMsg);
    report(accepted, sMsg);
    if (!accepted && row < m_model.count()) {
        m_filling = true;
        fillRow(row);
        m_filling = false;
    }
}

void ColumnSettings::move(bool up)
{
    const int row = currentRow();
    if (!(up ? m_model.moveUp(row) : m_model.moveDown(row)))
        return;
    fillTable();
    setCurrentRow(up ? row - 1 : row + 1);
}

void ColumnSettings::report(bool accepted, const QString &sMsg)
{
    m_message->setText(accepted ? QString() : sMsg);
}

} // namespace suite

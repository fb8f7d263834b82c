#include "suite/controls/ConditionDialog.h"

#include "suite/pub/ResourceTable.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace suite {

ConditionDialog::ConditionDialog(const QList<FilterField> &fields, const FilterSettings &settings,
                                 const ResourceTable &texts, QWidget *parent)
    : QDialog(parent)
    , m_fields(fields)
    , m_settings(settings)
    , m_texts(texts)
    , m_builder(fields, texts)
    , m_table(new QTableWidget(0, 4, this))
    , m_error(new QLabel(this))
{
    setWindowTitle(texts.text(QStringLiteral("Tarn.AA.PUB.FILTER.title")));
    m_table->setHorizontalHeaderLabels({ texts.text(QStringLiteral("Tarn.AA.PUB.FILTER.field")),
                                         texts.text(QStringLiteral("Tarn.AA.PUB.FILTER.operator")),
                                         texts.text(QStringLiteral("Tarn.AA.PUB.FILTER.value")),
                                         texts.text(QStringLiteral("Tarn.AA.PUB.FILTER.join")) });
    m_table->horizontalHeader()->setSectionResizeMode(ValueColumn, QHeaderView::Stretch);
    m_table->verticalHeader()->hide();
    m_error->setStyleSheet(QStringLiteral("color: #b00020"));
    m_error->setWordWrap(true);

    auto *add = new QPushButton(texts.text(QStringLiteral("Tarn.AA.PUB.FILTER.addrow")), this);
    auto *remove =
        new QPushButton(texts.text(QStringLiteral("Tarn.AA.PUB.FILTER.removerow")), this);
    connect(add, &QPushButton::clicked, this, &ConditionDialog::addRow);
    connect(remove, &QPushButton::clicked, this, &ConditionDialog::removeCurrentRow);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)
        ->setText(texts.text(QStringLiteral("Tarn.AA.PUB.DIALOG.ok")));
    buttons->button(QDialogButtonBox::Cancel)
        ->setText(texts.text(QStringLiteral("Tarn.AA.PUB.DIALOG.cancel")));
    connect(buttons, &QDialogButtonBox::accepted, this, &ConditionDialog::tryAccept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *rowButtons = new QHBoxLayout;
    rowButtons->addWidget(add);
    rowButtons->addWidget(remove);
    rowButtons->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_table);
    layout->addLayout(rowButtons);
    layout->addWidget(m_error);
    layout->addWidget(buttons);
    resize(640, 360);
}

void ConditionDialog::setRows(const QList<ConditionRow> &rows)
{
    m_table->setRowCount(0);
    for (const ConditionRow &row : rows)
        appendRow(row);
}

QList<ConditionRow> ConditionDialog::rows() const
{
    QList<ConditionRow> rows;
    for (int row = 0; row < m_table->rowCount(); ++row) {
        ConditionRow line;
        line.field = comboAt(row, FieldColumn)->currentData().toString();
        operatorFromToken(comboAt(row, OperatorColumn)->currentData().toString(), line.op);
        const QComboBox *value = comboAt(row, ValueColumn);
        line.value = value->isEditable() ? value->currentText() : value->currentData().toString();
        line.orNext = comboAt(row, JoinColumn)->currentData().toBool();
        rows.append(line);
    }
    return rows;
}

void ConditionDialog::addRow()
{
    const QList<FilterField> offered = m_settings.visibleFields();
    if (offered.isEmpty())
        return;
    const FilterField &first = offered.first();
    appendRow({ first.element, m_settings.defaultOperator(first.element), QString(), false });
}

void ConditionDialog::removeCurrentRow()
{
    const int row = m_table->currentRow() >= 0 ? m_table->currentRow() : m_table->rowCount() - 1;
    if (row >= 0)
        m_table->removeRow(row);
}

bool ConditionDialog::tryAccept()
{
    QString condition;
    QString sMsg;
    if (!m_builder.build(rows(), condition, sMsg)) {
        m_error->setText(sMsg);
        return false;
    }
    m_condition = condition;
    m_error->clear();
    accept();
    return true;
}

QString ConditionDialog::errorText() const
{
    return m_error->text();
}

void ConditionDialog::appendRow(const ConditionRow &line)
{
    const int row = m_table->rowCount();
    m_table->insertRow(row);
    auto *fieldBox = new QComboBox(m_table);
    QList<FilterField> offered = m_settings.visibleFields();
    const FilterField *own = findFilterField(m_fields, line.field);
    if (own && !findFilterField(offered, line.field))
        offered.append(*own);
    for (const FilterField &field : offered)
        fieldBox->addItem(field.caption, field.element);
    fieldBox->setCurrentIndex(own ? fieldBox->findData(own->element)
                                  : std::min(0, int(offered.size()) - 1));
    m_table->setCellWidget(row, FieldColumn, fieldBox);
    m_table->setCellWidget(row, OperatorColumn, new QComboBox(m_table));
    m_table->setCellWidget(row, ValueColumn, new QComboBox(m_table));
    auto *join = new QComboBox(m_table);
    join->addItem(m_texts.text(QStringLiteral("Tarn.AA.PUB.FILTER.and")), false);
    join->addItem(m_texts.text(QStringLiteral("Tarn.AA.PUB.FILTER.or")), true);
    join->setCurrentIndex(line.orNext ? 1 : 0);
    m_table->setCellWidget(row, JoinColumn, join);
    fillOperators(row, line.op);
    fillValue(row, line.value);
    connect(fieldBox, &QComboBox::currentIndexChanged, this,
            [this, fieldBox] { fieldChanged(fieldBox); });
}

QComboBox *ConditionDialog::comboAt(int row, Column column) const
{
    return qobject_cast<QComboBox *>(m_table->cellWidget(row, column));
}

const FilterField *ConditionDialog::fieldOfRow(int row) const
{
    return findFilterField(m_fields, comboAt(row, FieldColumn)->currentData().toString());
}

void ConditionDialog::fillOperators(int row, FilterOperator selected)
{
    QComboBox *box = comboAt(row, OperatorColumn);
    box->clear();
    const FilterField *field = fieldOfRow(row);
    if (!field)
        return;
    for (FilterOperator op : operatorsFor(field->type))
        box->addItem(m_texts.text(operatorCaptionKey(op)), operatorToken(op));
    box->setCurrentIndex(std::max(0, box->findData(operatorToken(selected))));
}

void ConditionDialog::fillValue(int row, const QString &value)
{
    QComboBox *box = comboAt(row, ValueColumn);
    box->clear();
    const FilterField *field = fieldOfRow(row);
    const bool choices = field && field->type == FilterFieldType::Enum;
    box->setEditable(!choices);
    if (!choices) {
        box->setEditText(value);
        return;
    }
    for (qsizetype index = 0; index < field->enumValues.size(); ++index)
        box->addItem(field->enumNames.at(index), field->enumValues.at(index));
    box->setCurrentIndex(std::max(0, box->findData(value)));
}

void ConditionDialog::fieldChanged(QComboBox *fieldBox)
{
    for (int row = 0; row < m_table->rowCount(); ++row) {
        if (comboAt(row, FieldColumn) != fieldBox)
            continue;
        const FilterField *field = fieldOfRow(row);
        fillOperators(row,
                      field ? m_settings.defaultOperator(field->element) : FilterOperator::Equal);
        fillValue(row, QString());
    }
}

} // namespace suite

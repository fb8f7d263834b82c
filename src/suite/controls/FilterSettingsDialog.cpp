#include "suite/controls/FilterSettingsDialog.h"

#include "suite/pub/ResourceTable.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace suite {

FilterSettingsDialog::FilterSettingsDialog(const QList<FilterField> &fields,
                                           const FilterSettings &settings,
                                           const ResourceTable &texts, QWidget *parent)
    : QDialog(parent)
    , m_fields(fields)
    , m_table(new QTableWidget(int(fields.size()), 2, this))
{
    setWindowTitle(texts.text(QStringLiteral("Tarn.AA.PUB.FILTERSET.title")));
    m_table->setHorizontalHeaderLabels(
        { texts.text(QStringLiteral("Tarn.AA.PUB.FILTERSET.show")),
          texts.text(QStringLiteral("Tarn.AA.PUB.FILTERSET.defaultop")) });
    m_table->horizontalHeader()->setSectionResizeMode(ShowColumn, QHeaderView::Stretch);
    for (int row = 0; row < fields.size(); ++row) {
        const FilterField &field = fields.at(row);
        const FilterFieldSetting &setting = settings.settings().at(row);
        auto *show = new QTableWidgetItem(field.caption);
        show->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        show->setCheckState(setting.visible ? Qt::Checked : Qt::Unchecked);
        m_table->setItem(row, ShowColumn, show);
        auto *op = new QComboBox(m_table);
        for (FilterOperator candidate : operatorsFor(field.type))
            op->addItem(texts.text(operatorCaptionKey(candidate)), operatorToken(candidate));
        op->setCurrentIndex(std::max(0, op->findData(operatorToken(setting.defaultOperator))));
        m_table->setCellWidget(row, OperatorColumn, op);
    }

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)
        ->setText(texts.text(QStringLiteral("Tarn.AA.PUB.DIALOG.ok")));
    buttons->button(QDialogButtonBox::Cancel)
        ->setText(texts.text(QStringLiteral("Tarn.AA.PUB.DIALOG.cancel")));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_table);
    layout->addWidget(buttons);
    resize(420, 480);
}

QList<FilterFieldSetting> FilterSettingsDialog::settings() const
{
    QList<FilterFieldSetting> settings;
    for (int row = 0; row < m_fields.size(); ++row) {
        FilterFieldSetting setting{ m_fields.at(row).element,
                                    m_table->item(row, ShowColumn)->checkState() == Qt::Checked };
        const auto *op = qobject_cast<QComboBox *>(m_table->cellWidget(row, OperatorColumn));
        operatorFromToken(op->currentData().toString(), setting.defaultOperator);
        settings.append(setting);
    }
    return settings;
}

void FilterSettingsDialog::setFieldShown(const QString &element, bool shown)
{
    if (const int row = rowOf(element); row >= 0)
        m_table->item(row, ShowColumn)->setCheckState(shown ? Qt::Checked : Qt::Unchecked);
}

void FilterSettingsDialog::setDefaultOperator(const QString &element, FilterOperator op)
{
    const int row = rowOf(element);
    if (row < 0)
        return;
    auto *box = qobject_cast<QComboBox *>(m_table->cellWidget(row, OperatorColumn));
    if (const int index = box->findData(operatorToken(op)); index >= 0)
        box->setCurrentIndex(index);
}

int FilterSettingsDialog::rowOf(const QString &element) const
{
    for (int row = 0; row < m_fields.size(); ++row) {
        if (m_fields.at(row).element.compare(element, Qt::CaseInsensitive) == 0)
            return row;
    }
    return -1;
}

} // namespace suite

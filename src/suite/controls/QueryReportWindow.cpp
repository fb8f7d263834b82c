#include "suite/controls/QueryReportWindow.h"

#include "suite/data/RecordSet.h"
#include "suite/pub/ResourceTable.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace suite {

namespace {

// The report's statements name their columns by kind: i… numbers, d… dates, c… texts.
bool isAmountField(const Field &field)
{
    return field.name.startsWith(u'i');
}

bool isCountField(const Field &field)
{
    return field.name.endsWith(QStringLiteral("Count"), Qt::CaseInsensitive);
}

QString cellText(const Field &field, const QVariant &value)
{
    if (value.isNull())
        return {};
    if (field.name.startsWith(u'd'))
        return dateTimeFromText(value.toString()).date().toString(Qt::ISODate);
    if (isAmountField(field) && !isCountField(field))
        return QString::number(value.toDouble(), 'f', 2);
    return value.toString();
}

} // namespace

QueryReportWindow::QueryReportWindow(const QString &title, const RecordSet &rows,
                                     const QStringList &captions, const ResourceTable &texts,
                                     QWidget *parent)
    : QDialog(parent)
    , m_texts(texts)
    , m_table(new QTableWidget(this))
{
    setWindowTitle(title);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setColumnCount(rows.FieldCount());
    m_table->setHorizontalHeaderLabels(captions);
    fill(rows);
    if (rows.RecordCount() > 1)
        addTotals(rows);
    m_table->resizeColumnsToContents();

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)
        ->setText(texts.text(QStringLiteral("Tarn.AA.PUB.DIALOG.close")));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_table);
    layout->addWidget(buttons);
    resize(900, 480);
}

void QueryReportWindow::fill(const RecordSet &rows)
{
    const QList<Field> fields = rows.Fields();
    m_table->setRowCount(rows.RecordCount());
    for (int line = 0; line < rows.RecordCount(); ++line) {
        for (int column = 0; column < fields.size(); ++column) {
            auto *item = new QTableWidgetItem(
                suite::cellText(fields.at(column), rows.valueAt(line, column)));
            if (isAmountField(fields.at(column)))
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            m_table->setItem(line, column, item);
        }
    }
}

void QueryReportWindow::addTotals(const RecordSet &rows)
{
    const QList<Field> fields = rows.Fields();
    const int line = m_table->rowCount();
    m_table->insertRow(line);
    m_table->setItem(line, 0,
                     new QTableWidgetItem(m_texts.text(QStringLiteral("Tarn.AA.PUB.TRADE.total"))));
    for (int column = 1; column < fields.size(); ++column) {
        if (!isAmountField(fields.at(column)))
            continue;
        double total = 0;
        for (int row = 0; row < rows.RecordCount(); ++row)
            total += rows.valueAt(row, column).toDouble();
        const QString text = isCountField(fields.at(column)) ? QString::number(qint64(total))
                                                             : QString::number(total, 'f', 2);
        auto *item = new QTableWidgetItem(text);
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_table->setItem(line, column, item);
    }
}

int QueryReportWindow::lineCount() const
{
    return m_table->rowCount();
}

QString QueryReportWindow::cellText(int line, int column) const
{
    const QTableWidgetItem *item = m_table->item(line, column);
    return item ? item->text() : QString();
}

QString QueryReportWindow::headerText(int column) const
{
    const QTableWidgetItem *item = m_table->horizontalHeaderItem(column);
    return item ? item->text() : QString();
}

} // namespace suite

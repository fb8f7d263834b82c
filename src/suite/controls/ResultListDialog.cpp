#include "suite/controls/ResultListDialog.h"

#include "suite/pub/ResourceTable.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace suite {

ResultListDialog::ResultListDialog(const QString &title, const QString &heading,
                                   const QStringList &headers, const QList<QStringList> &lines,
                                   const ResourceTable &texts, QWidget *parent)
    : QDialog(parent)
    , m_heading(heading)
    , m_table(new QTableWidget(int(lines.size()), int(headers.size()), this))
{
    setWindowTitle(title);
    m_table->setHorizontalHeaderLabels(headers);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->horizontalHeader()->setStretchLastSection(true);
    for (int line = 0; line < lines.size(); ++line) {
        for (int column = 0; column < headers.size(); ++column)
            m_table->setItem(line, column, new QTableWidgetItem(lines.at(line).value(column)));
    }
    m_table->resizeColumnsToContents();

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)
        ->setText(texts.text(QStringLiteral("Tarn.AA.PUB.DIALOG.ok")));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto *layout = new QVBoxLayout(this);
    if (!heading.isEmpty())
        layout->addWidget(new QLabel(heading, this));
    layout->addWidget(m_table);
    layout->addWidget(buttons);
    resize(560, 360);
}

int ResultListDialog::lineCount() const
{
    return m_table->rowCount();
}

QString ResultListDialog::cellText(int line, int column) const
{
    const QTableWidgetItem *item = m_table->item(line, column);
    return item ? item->text() : QString();
}

QString ResultListDialog::headerText(int column) const
{
    const QTableWidgetItem *item = m_table->horizontalHeaderItem(column);
    return item ? item->text() : QString();
}

} // namespace suite

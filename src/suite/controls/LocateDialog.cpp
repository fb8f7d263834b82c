#include "suite/controls/LocateDialog.h"

#include "suite/pub/ResourceTable.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace suite {

LocateDialog::LocateDialog(const QStringList &columns, Finder finder, const ResourceTable &texts,
                           QWidget *parent)
    : QDialog(parent)
    , m_finder(std::move(finder))
    , m_texts(texts)
    , m_column(new QComboBox(this))
    , m_text(new QLineEdit(this))
    , m_message(new QLabel(this))
{
    setWindowTitle(texts.text(QStringLiteral("Tarn.AA.PUB.LOCATE.title")));
    m_column->addItems(columns);
    auto *form = new QFormLayout;
    if (!columns.isEmpty())
        form->addRow(texts.text(QStringLiteral("Tarn.AA.PUB.LOCATE.column")), m_column);
    else
        m_column->hide();
    form->addRow(texts.text(QStringLiteral("Tarn.AA.PUB.LOCATE.text")), m_text);

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *next = buttons->addButton(texts.text(QStringLiteral("Tarn.AA.PUB.LOCATE.next")),
                                           QDialogButtonBox::ActionRole);
    next->setDefault(true);
    QPushButton *close = buttons->addButton(QDialogButtonBox::Close);
    close->setText(texts.text(QStringLiteral("Tarn.AA.PUB.DIALOG.close")));
    connect(next, &QPushButton::clicked, this, &LocateDialog::findNext);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_message);
    layout->addWidget(buttons);
}

void LocateDialog::setColumn(int index)
{
    m_column->setCurrentIndex(index);
}

void LocateDialog::setText(const QString &text)
{
    m_text->setText(text);
}

bool LocateDialog::findNext()
{
    const bool found = m_finder(m_column->currentIndex(), m_text->text());
    m_message->setText(
        found ? QString()
              : m_texts.format(QStringLiteral("Tarn.AA.PUB.LOCATE.notfound"), { m_text->text() }));
    return found;
}

QString LocateDialog::messageText() const
{
    return m_message->text();
}

} // namespace suite

#include "suite/controls/ArchiveOptionDialog.h"

#include "suite/pub/ResourceTable.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace suite {

ArchiveOptionDialog::ArchiveOptionDialog(const QString &cArch, const ArchiveOptionValues &values,
                                         bool editable, const ResourceTable &texts, QWidget *parent)
    : QDialog(parent)
    , m_editable(editable)
    , m_canAdd(new QCheckBox(texts.text(QStringLiteral("Tarn.AA.PUB.OPTION.canadd")), this))
    , m_canModify(new QCheckBox(texts.text(QStringLiteral("Tarn.AA.PUB.OPTION.canmodify")), this))
    , m_autoMnemonic(
          new QCheckBox(texts.text(QStringLiteral("Tarn.AA.PUB.OPTION.automnemcode")), this))
{
    setWindowTitle(texts.format(QStringLiteral("Tarn.AA.PUB.OPTION.title"), { cArch }));
    setValues(values);
    auto *layout = new QVBoxLayout(this);
    for (QCheckBox *box : { m_canAdd, m_canModify, m_autoMnemonic }) {
        box->setEnabled(editable);
        layout->addWidget(box);
    }
    if (!editable)
        layout->addWidget(
            new QLabel(texts.text(QStringLiteral("Tarn.AA.PUB.OPTION.readonly")), this));
    auto *buttons = new QDialogButtonBox(this);
    if (editable) {
        buttons->setStandardButtons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
        buttons->button(QDialogButtonBox::Ok)
            ->setText(texts.text(QStringLiteral("Tarn.AA.PUB.DIALOG.ok")));
        buttons->button(QDialogButtonBox::Cancel)
            ->setText(texts.text(QStringLiteral("Tarn.AA.PUB.DIALOG.cancel")));
    } else {
        buttons->setStandardButtons(QDialogButtonBox::Close);
        buttons->button(QDialogButtonBox::Close)
            ->setText(texts.text(QStringLiteral("Tarn.AA.PUB.DIALOG.close")));
    }
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

ArchiveOptionValues ArchiveOptionDialog::values() const
{
    return { m_canAdd->isChecked(), m_canModify->isChecked(), m_autoMnemonic->isChecked() };
}

void ArchiveOptionDialog::setValues(const ArchiveOptionValues &values)
{
    m_canAdd->setChecked(values.canAdd);
    m_canModify->setChecked(values.canModify);
    m_autoMnemonic->setChecked(values.autoMnemonicCode);
}

} // namespace suite

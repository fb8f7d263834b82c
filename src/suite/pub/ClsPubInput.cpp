// The input members of the public service: the character and number rules of card fields.
#include "suite/pub/ClsPub.h"

#include <QApplication>
#include <QLineEdit>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

namespace suite {

namespace {

const QString kCodeBreakers = QStringLiteral("'\"&<>|");
const QString kQuotes = QStringLiteral("'\"");
// The decimals SetDblLen gave a field, for FormatCon to show them.
const char *const kDecimalsProperty = "decimals";

// Any text without the characters of refused.
void refuseCharacters(QLineEdit *control, const QString &refused)
{
    if (!control)
        return;
    const QRegularExpression pattern(
        QStringLiteral("[^%1]*").arg(QRegularExpression::escape(refused)));
    control->setValidator(new QRegularExpressionValidator(pattern, control));
}

void acceptPattern(QLineEdit *control, const QString &pattern)
{
    if (control)
        control->setValidator(
            new QRegularExpressionValidator(QRegularExpression(pattern), control));
}

} // namespace

void ClsPub::CheckValid(QWidget *form)
{
    QWidget *focused = form ? form->focusWidget() : QApplication::focusWidget();
    auto *edit = qobject_cast<QLineEdit *>(focused);
    if (!edit || !edit->validator())
        return;
    QString text = edit->text();
    int position = edit->cursorPosition();
    if (edit->validator()->validate(text, position) == QValidator::Acceptable)
        return;
    edit->validator()->fixup(text);
    edit->setText(text);
}

void ClsPub::FormatCon(QLineEdit *control)
{
    const QVariant decimals = control ? control->property(kDecimalsProperty) : QVariant();
    if (decimals.isValid())
        control->setText(FormatNum(control->text(), decimals.toInt()));
}

void ClsPub::SetBadStrException(QLineEdit *control, const QString &cExtra)
{
    refuseCharacters(control, kCodeBreakers + cExtra);
}

void ClsPub::SetBadStrException2(QLineEdit *control, const QString &cExtra)
{
    refuseCharacters(control, kQuotes + cExtra);
}

void ClsPub::SetDblLen(QLineEdit *control, int iIntDigits, int iDecDigits)
{
    if (control)
        control->setProperty(kDecimalsProperty, iDecDigits);
    const QString decimals =
        iDecDigits > 0 ? QStringLiteral("(\\.\\d{0,%1})?").arg(iDecDigits) : QString();
    acceptPattern(control,
                  QStringLiteral("-?\\d{0,%1}%2").arg(std::max(iIntDigits, 1)).arg(decimals));
}

void ClsPub::SetIntLen(QLineEdit *control, int iDigits)
{
    acceptPattern(control, QStringLiteral("-?\\d{0,%1}").arg(std::max(iDigits, 1)));
}

} // namespace suite

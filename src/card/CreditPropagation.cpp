#include "card/CreditPropagation.h"

#include "suite/core/SqlQuote.h"
#include "suite/data/IClsCommon.h"
#include "suite/pub/IPub.h"
#include "suite/pub/MessageScript.h"

#include <QRegularExpression>

namespace customer {

namespace {

const QString kEdt = QStringLiteral("Edt");
constexpr int kWarningQuestion = 4 + 48; // Yes/No with the warning icon

constexpr const char *kCheckBoxes[] = { "ChkbCredit", "ChkbCreditDate" };
constexpr const char *kProtocols[] = { "EdtcCusSAProtocol", "EdtcCusExProtocol",
                                       "EdtcCusCMProtocol", "EdtcCusOtherProtocol",
                                       "EdtcCusImportAgentProtocol" };
constexpr int kCreditLine = 25;
constexpr int kCreditDays = 26;

// The loader keeps a check box's state as its value ("1", "True"); "0", "False" and nothing
// mean clear.
bool tagSaysChecked(const QString &tag)
{
    const QString value = tag.trimmed();
    return !value.isEmpty() && value != u'0' && value.compare(u"false", Qt::CaseInsensitive) != 0;
}

bool isPlainNumber(const QString &text)
{
    static const QRegularExpression number(QStringLiteral("^[+-]?(\\d+\\.?\\d*|\\.\\d+)$"));
    return number.match(text).hasMatch();
}

QString codeCondition(const QString &customerCode)
{
    const QString code = suite::sqlQuote(customerCode);
    return QStringLiteral(" where cCusCreditCompany='") + code + QStringLiteral("' and cCuscode<>'")
        + code + u'\'';
}

} // namespace

CreditPropagation::CreditPropagation(const CardFields &fields, suite::IClsCommon &service,
                                     suite::IPub &pub)
    : m_fields(fields)
    , m_service(service)
    , m_pub(pub)
{ }

bool CreditPropagation::propagate(const QString &customerCode)
{
    if (!changedSinceLoad() || !hasDependants(customerCode) || !userAgrees())
        return false;
    return m_service.ExecuteX(updateStatement(customerCode));
}

bool CreditPropagation::changedSinceLoad() const
{
    for (const char *box : kCheckBoxes) {
        const QString control = QLatin1StringView(box);
        if (m_fields.isChecked(control) != tagSaysChecked(m_fields.tag(control)))
            return true;
    }
    for (const char *protocol : kProtocols) {
        const QString control = QLatin1StringView(protocol);
        if (m_fields.text(control) != m_fields.tag(control))
            return true;
    }
    for (const int index : { kCreditLine, kCreditDays }) {
        if (m_fields.text(kEdt, index) != m_fields.tag(kEdt, index))
            return true;
    }
    return false;
}

QString CreditPropagation::dependantsStatement(const QString &customerCode)
{
    return QStringLiteral("select top 1 * from customer") + codeCondition(customerCode);
}

QString CreditPropagation::updateStatement(const QString &customerCode) const
{
    return QStringLiteral("Update Customer Set bCredit=") + checkValue(kCheckBoxes[0])
        + QStringLiteral(",bCreditDate=") + checkValue(kCheckBoxes[1])
        + QStringLiteral(",cCusSAProtocol='") + quotedText(kProtocols[0])
        + QStringLiteral("',cCusExProtocol='") + quotedText(kProtocols[1])
        + QStringLiteral("',cCusCMProtocol='") + quotedText(kProtocols[2])
        + QStringLiteral("',cCusOtherProtocol='") + quotedText(kProtocols[3])
        + QStringLiteral("',cCusImAgentProtocol='") + quotedText(kProtocols[4])
        + QStringLiteral("',iCusCreLine=") + numberText(kEdt, kCreditLine)
        + QStringLiteral(",iCusCreDate=") + numberText(kEdt, kCreditDays)
        + codeCondition(customerCode);
}

bool CreditPropagation::hasDependants(const QString &customerCode) const
{
    const suite::RecordSet dependants = m_service.OpenX(dependantsStatement(customerCode));
    return dependants.IsOpen() && dependants.RecordCount() > 0;
}

bool CreditPropagation::userAgrees() const
{
    const int answer = m_pub.MsgBox(
        m_pub.GetResString(QStringLiteral("Tarn.AA.ARCHIVE.COMMON.according_credit")),
        kWarningQuestion, m_pub.GetResString(QStringLiteral("Tarn.AA.ARCHIVE.COMMON.exclamation")));
    return answer == suite::MessageStyle::kYes;
}

QString CreditPropagation::checkValue(const char *control) const
{
    return m_fields.isChecked(QLatin1StringView(control)) ? QStringLiteral("1")
                                                          : QStringLiteral("0");
}

QString CreditPropagation::quotedText(const char *control) const
{
    return suite::sqlQuote(m_fields.text(QLatin1StringView(control)));
}

// The credit line and days stand unquoted in the statement. An empty field clears the value,
// as the saved record does; anything but a plain number goes quoted, so that it can only ever
// be one value.
QString CreditPropagation::numberText(const QString &control, int index) const
{
    const QString text = m_fields.text(control, index);
    if (text.isEmpty())
        return QStringLiteral("null");
    return isPlainNumber(text) ? text : suite::sqlQuoted(text);
}

} // namespace customer

#include "card/CreditCompany.h"

#include "suite/core/SqlQuote.h"
#include "suite/data/IClsCommon.h"

#include <iterator>

namespace customer {

namespace {

struct ProtocolField
{
    const char *control;
    const char *column;
};

constexpr ProtocolField kProtocols[] = {
    { "EdtcCusSAProtocol", "cCusSAProtocol" },
    { "EdtcCusExProtocol", "cCusExProtocol" },
    { "EdtcCusCMProtocol", "cCusCMProtocol" },
    { "EdtcCusOtherProtocol", "cCusOtherProtocol" },
    { "EdtcCusImportAgentProtocol", "cCusImAgentProtocol" },
};

QString textOf(const suite::RecordSet &company, const char *column)
{
    return company.Value(QLatin1StringView(column)).toString();
}

} // namespace

CreditCompany::CreditCompany(suite::IClsCommon &service)
    : m_service(service)
{ }

QString CreditCompany::statement(const QString &companyCode)
{
    return QStringLiteral("select top 1 * from customer where cCusCode='")
        + suite::sqlQuote(companyCode) + u'\'';
}

bool CreditCompany::takeSettings(CardFields &card, const QString &companyCode,
                                 const QString &customerCode)
{
    if (companyCode.isEmpty() || companyCode == customerCode)
        return false;
    const suite::RecordSet company = m_service.OpenX(statement(companyCode));
    if (!company.IsOpen() || company.RecordCount() != 1)
        return false;
    copySettings(card, company);
    return true;
}

// Credit line and days always follow the company; a protocol the user already set stays.
void CreditCompany::copySettings(CardFields &card, const suite::RecordSet &company)
{
    card.setChecked(QStringLiteral("ChkbCredit"),
                    company.Value(QStringLiteral("bCredit")).toBool());
    card.setChecked(QStringLiteral("ChkbCreditDate"),
                    company.Value(QStringLiteral("bCreditDate")).toBool());
    card.setText(QStringLiteral("Edt"), 25, textOf(company, "iCusCreLine"));
    card.setText(QStringLiteral("Edt"), 26, textOf(company, "iCusCreDate"));
    for (int i = 0; i < int(std::size(kProtocols)); ++i) {
        const QString control = QLatin1StringView(kProtocols[i].control);
        const QString value = textOf(company, kProtocols[i].column);
        if (card.text(control).isEmpty() && !value.isEmpty())
            card.setText(control, -1, value);
    }
}

} // namespace customer

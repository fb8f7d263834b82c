#include "demo/PlantedDuplicates.h"

#include "demo/DemoTables.h"

namespace demo {

namespace C = CustomerColumn;

namespace {

// Longest first: 股份有限公司 also ends in 有限公司.
const QStringList &companyForms()
{
    static const QStringList forms{ QStringLiteral("股份有限公司"), QStringLiteral("有限责任公司"),
                                    QStringLiteral("有限公司") };
    return forms;
}

} // namespace

PlantedDuplicates::Kind PlantedDuplicates::kindOf(int index)
{
    switch (index % 100) {
    case 41:
        return Kind::TaxNumber;
    case 61:
        return Kind::Phone;
    case 81:
        return Kind::CompanyForm;
    case 91:
        return Kind::Brackets;
    default:
        return Kind::None;
    }
}

void PlantedDuplicates::remember(const QVariantList &row, const CompanyName &name)
{
    m_taxNumber = row[C::cCusRegCode].toString();
    m_phone = row[C::cCusPhone].toString();
    m_name = name;
    m_remembered = true;
}

bool PlantedDuplicates::plant(Kind kind, QVariantList &row, CompanyName &name, CompanyNames &names)
{
    if (!m_remembered || kind == Kind::None)
        return false;
    if (kind == Kind::TaxNumber) {
        if (m_taxNumber.isEmpty())
            return false;
        row[C::cCusRegCode] = m_taxNumber;
        row[C::cCreditAddCode] = m_taxNumber;
        return true;
    }
    if (kind == Kind::Phone) {
        row[C::cCusPhone] = m_phone;
        return true;
    }
    for (const QString &form : companyForms()) {
        if (!m_name.name.endsWith(form))
            continue;
        const QString base = m_name.name.chopped(form.size());
        const QString other =
            form == companyForms().first() ? companyForms().last() : companyForms().first();
        const QString twinName =
            kind == Kind::CompanyForm ? base + other : base + QStringLiteral("（中国）") + form;
        CompanyName twin = names.twin(m_name, twinName);
        if (twin.name.isEmpty())
            return false;
        name = twin;
        row[C::cCusName] = twin.name;
        row[C::cCusAbbName] = twin.abbreviation;
        row[C::cCusMnemCode] = twin.mnemonic;
        return true;
    }
    return false;
}

} // namespace demo

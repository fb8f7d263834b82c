#include "demo/CompanyNames.h"

namespace demo {

CompanyName CompanyNames::make(DemoRandom &random, const QString &prefix, bool group)
{
    const QList<QString> &tradeNames = ChineseWords::tradeNames();
    const QList<Industry> &industries = ChineseWords::industries();
    CompanyName company;
    QString tradeName;
    // The name space holds millions of combinations per city, so a free one turns up within a
    // few tries; a county-sized city that runs out gets a numbered trade name.
    for (int attempt = 0;; ++attempt) {
        tradeName = random.pick(tradeNames);
        company.industry = &industries[random.below(int(industries.size()))];
        if (attempt >= 64)
            tradeName += QString::number(attempt);
        company.abbreviation = prefix + tradeName + company.industry->name;
        if (claim(company.abbreviation))
            break;
    }
    const QString suffix =
        group ? QStringLiteral("集团有限公司") : ChineseWords::companySuffix(random);
    company.name = company.abbreviation + suffix;
    company.abbreviationInitials = m_pinyin.initials(prefix) + m_pinyin.initials(tradeName)
        + m_pinyin.initials(company.industry->name);
    company.mnemonic = company.abbreviationInitials + m_pinyin.initials(suffix);
    company.english =
        QStringLiteral("%1 %2 %3%4 %5")
            .arg(m_pinyin.spelling(prefix), m_pinyin.spelling(tradeName), company.industry->english,
                 group ? QStringLiteral(" Group") : QString(), ChineseWords::englishSuffix(random));
    return company;
}

CompanyName CompanyNames::branch(const CompanyName &head, const QString &prefix)
{
    CompanyName branch;
    const QString abbreviation = head.abbreviation + prefix + QStringLiteral("分公司");
    if (!claim(abbreviation))
        return branch;
    branch.abbreviation = abbreviation;
    branch.name = head.name + prefix + QStringLiteral("分公司");
    branch.english =
        head.english + QStringLiteral(" ") + m_pinyin.spelling(prefix) + QStringLiteral(" Branch");
    branch.industry = head.industry;
    const QString place = m_pinyin.initials(prefix) + m_pinyin.initials(QStringLiteral("分公司"));
    branch.mnemonic = head.mnemonic + place;
    branch.abbreviationInitials = head.abbreviationInitials + place;
    return branch;
}

CompanyName CompanyNames::twin(const CompanyName &original, const QString &name)
{
    CompanyName twin;
    const QString abbreviation = name.chopped(2);
    if (!claim(abbreviation))
        return twin;
    twin = original;
    twin.name = name;
    twin.abbreviation = abbreviation;
    const QString letters = QString(name).remove(u'（').remove(u'）');
    twin.mnemonic = m_pinyin.initials(letters);
    twin.abbreviationInitials = m_pinyin.initials(letters.chopped(2));
    return twin;
}

bool CompanyNames::claim(const QString &abbreviation)
{
    const size_t key = qHash(abbreviation, size_t(0x5eed));
    if (m_used.contains(key))
        return false;
    m_used.insert(key);
    return true;
}

} // namespace demo

#pragma once

#include "demo/ChineseWords.h"
#include "demo/DemoRandom.h"
#include "demo/Pinyin.h"

#include <QSet>
#include <QString>

namespace demo {

struct CompanyName
{
    QString name; // 苏州华信电子有限公司
    QString abbreviation; // 苏州华信电子
    QString english; // Suzhou Huaxin Electronics Co., Ltd.
    // Pinyin initials of the name and of the abbreviation, put together from those of the
    // parts: the parts repeat, whole names do not, and transliteration is costly.
    QString mnemonic; // SZHXDZYXGS
    QString abbreviationInitials; // SZHXDZ
    const Industry *industry = nullptr;
};

// Makes company names that no other generated company has: the card refuses a customer whose
// abbreviation another one already uses, and asks about names that equal another's
// abbreviation, so demo data must not contain either.
class CompanyNames
{
public:
    explicit CompanyNames(Pinyin &pinyin)
        : m_pinyin(pinyin)
    { }

    // A company of the city named by prefix (苏州); a group's name ends in 集团有限公司.
    CompanyName make(DemoRandom &random, const QString &prefix, bool group);
    // The branch of a company in another city: 苏州华信电子集团有限公司上海分公司. Empty when
    // the company has a branch there already.
    CompanyName branch(const CompanyName &head, const QString &prefix);

    // The same company under another name (ending in 公司), as a second entry of it would
    // name it; its abbreviation is the name without 公司. Empty when that abbreviation is
    // taken.
    CompanyName twin(const CompanyName &original, const QString &name);

private:
    bool claim(const QString &abbreviation);

    Pinyin &m_pinyin;
    QSet<size_t> m_used;
};

} // namespace demo

#include "plugins/creditreview/CreditReviewTexts.h"

#include "suite/pub/ResourceTable.h"

#include <QDate>

namespace creditreview {

CreditReviewTexts::CreditReviewTexts(const QString &languageRegion)
    : m_languageRegion(languageRegion)
    , m_locale(suite::ResourceTable::tableLanguage(languageRegion) == u"en-US"
                   ? QLocale(QLocale::English, QLocale::UnitedStates)
                   : QLocale(QLocale::Chinese, QLocale::China))
{ }

QString CreditReviewTexts::text(const char *key) const
{
    return suite::ResourceTable::builtIn(m_languageRegion).text(QLatin1StringView(key));
}

QString CreditReviewTexts::format(const char *key, const QStringList &args) const
{
    return suite::ResourceTable::builtIn(m_languageRegion).format(QLatin1StringView(key), args);
}

QString CreditReviewTexts::amount(double value) const
{
    return m_locale.toString(value, 'f', 2);
}

QString CreditReviewTexts::date(const QDate &value) const
{
    return value.toString(Qt::ISODate);
}

} // namespace creditreview

#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

namespace creditreview {

// The page's texts in the login's language, from the product's resource texts, and its
// amounts and dates written the way that language writes them.
class CreditReviewTexts
{
public:
    explicit CreditReviewTexts(const QString &languageRegion = QString());

    QString text(const char *key) const;
    QString format(const char *key, const QStringList &args) const;
    QString amount(double value) const;
    QString date(const QDate &value) const;

private:
    QString m_languageRegion;
    QLocale m_locale;
};

} // namespace creditreview

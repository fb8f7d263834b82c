#include "merge/NameKey.h"

#include <QStringList>

#include <algorithm>

namespace customer {

namespace {

// Longest first, so that 股份有限公司 goes whole rather than leaving 股份.
const QStringList &chineseForms()
{
    static const QStringList forms{ QStringLiteral("股份有限公司"), QStringLiteral("有限责任公司"),
                                    QStringLiteral("有限公司"), QStringLiteral("股份公司") };
    return forms;
}

// English forms are whole words, so that a name ending in "zinc" keeps its "inc".
const QStringList &englishForms()
{
    static const QStringList forms{ QStringLiteral("co"),      QStringLiteral("ltd"),
                                    QStringLiteral("limited"), QStringLiteral("inc"),
                                    QStringLiteral("corp"),    QStringLiteral("corporation"),
                                    QStringLiteral("company") };
    return forms;
}

const QStringList &countryMarks()
{
    static const QStringList marks{ QStringLiteral("(中国)"), QStringLiteral("[中国]") };
    return marks;
}

bool isNoise(QChar c)
{
    return c.isSpace() || c.isPunct() || c.isSymbol();
}

QStringList wordsOf(const QString &text)
{
    QStringList words(1);
    for (const QChar c : text) {
        if (!isNoise(c))
            words.last() += c;
        else if (!words.last().isEmpty())
            words.append(QString());
    }
    if (words.last().isEmpty())
        words.removeLast();
    return words;
}

} // namespace

// Forms may be stacked by mistake ("有限公司有限公司"), so they are taken off until none is
// left; a name that is nothing but a form keeps it.
QString normalisedName(const QString &name)
{
    QString text = name.normalized(QString::NormalizationForm_KC).toLower();
    for (const QString &mark : countryMarks())
        text.remove(mark);
    QStringList words = wordsOf(text);
    while (words.size() > 1 && englishForms().contains(words.last()))
        words.removeLast();
    QString joined = words.join(QString());
    for (bool trimmed = true; trimmed;) {
        trimmed = false;
        for (const QString &form : chineseForms()) {
            if (joined.size() > form.size() && joined.endsWith(form)) {
                joined.chop(form.size());
                trimmed = true;
                break;
            }
        }
    }
    return joined;
}

QList<quint64> nameTrigrams(const QString &normalised)
{
    QList<quint64> trigrams;
    for (qsizetype at = 0; at + 3 <= normalised.size(); ++at) {
        trigrams.append(quint64(normalised.at(at).unicode()) << 32
                        | quint64(normalised.at(at + 1).unicode()) << 16
                        | quint64(normalised.at(at + 2).unicode()));
    }
    std::sort(trigrams.begin(), trigrams.end());
    trigrams.erase(std::unique(trigrams.begin(), trigrams.end()), trigrams.end());
    return trigrams;
}

qsizetype sharedTrigrams(std::span<const quint64> a, std::span<const quint64> b)
{
    qsizetype shared = 0;
    for (auto x = a.begin(), y = b.begin(); x != a.end() && y != b.end();) {
        if (*x < *y) {
            ++x;
        } else if (*y < *x) {
            ++y;
        } else {
            ++shared;
            ++x;
            ++y;
        }
    }
    return shared;
}

double trigramSimilarity(const QList<quint64> &a, const QList<quint64> &b)
{
    if (a.isEmpty() || b.isEmpty())
        return 0;
    const qsizetype shared = sharedTrigrams(a, b);
    return double(shared) / double(a.size() + b.size() - shared);
}

QString phoneKey(const QString &phone)
{
    QString digits;
    for (const QChar c : phone) {
        if (c.isDigit())
            digits += QChar(u'0' + c.digitValue());
    }
    return digits.size() >= 7 ? digits : QString();
}

} // namespace customer

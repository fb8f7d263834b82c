#pragma once

#include <QHash>
#include <QString>

#include <unicode/uversion.h>

#include <memory>

U_NAMESPACE_BEGIN
class Transliterator;
U_NAMESPACE_END

namespace demo {

// Pinyin of Chinese text through ICU's Han-Latin transliterator. Transliteration is costly and
// generated names repeat their parts, so each distinct text is transliterated once.
class Pinyin
{
public:
    Pinyin();
    ~Pinyin();
    Pinyin(const Pinyin &) = delete;
    Pinyin &operator=(const Pinyin &) = delete;

    // False when ICU has no Han-Latin transliterator; the reason is in sMsg.
    bool isValid(QString &sMsg) const;

    // The mnemonic code as the suite makes it: the initial of each syllable, in upper case
    // (北京华信电子有限公司 -> BJHXDZYXGS). Latin letters and digits of the text are kept.
    QString initials(const QString &text);
    // The text spelt as one capitalised word, as English names write Chinese ones:
    // 华信 -> Huaxin.
    QString spelling(const QString &text);

private:
    // Syllables separated by blanks, without tones: 华信 -> "hua xin".
    QString latin(const QString &hanText);

    std::unique_ptr<icu::Transliterator> m_transliterator;
    QString m_error;
    QHash<QString, QString> m_latin;
    QHash<QString, QString> m_initials;
};

} // namespace demo

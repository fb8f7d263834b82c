#include "demo/Pinyin.h"

#include "suite/data/MnemonicCode.h"

#include <unicode/translit.h>
#include <unicode/unistr.h>

namespace demo {

Pinyin::Pinyin()
{
    UErrorCode status = U_ZERO_ERROR;
    m_transliterator.reset(icu::Transliterator::createInstance(
        icu::UnicodeString::fromUTF8("Han-Latin; Latin-ASCII"), UTRANS_FORWARD, status));
    if (U_FAILURE(status) || !m_transliterator) {
        m_transliterator.reset();
        m_error = QStringLiteral("ICU cannot create the Han-Latin transliterator: %1")
                      .arg(QString::fromLatin1(u_errorName(status)));
    }
}

Pinyin::~Pinyin() = default;

bool Pinyin::isValid(QString &sMsg) const
{
    if (!m_transliterator)
        sMsg = m_error;
    return m_transliterator != nullptr;
}

QString Pinyin::latin(const QString &hanText)
{
    const auto cached = m_latin.constFind(hanText);
    if (cached != m_latin.cend())
        return *cached;
    if (!m_transliterator)
        return QString();
    icu::UnicodeString buffer(reinterpret_cast<const UChar *>(hanText.utf16()),
                              int32_t(hanText.size()));
    m_transliterator->transliterate(buffer);
    const QString result(reinterpret_cast<const QChar *>(buffer.getBuffer()), buffer.length());
    return *m_latin.insert(hanText, result);
}

QString Pinyin::initials(const QString &text)
{
    // The data service's rule, so that generated customers carry the code the card would give.
    const auto cached = m_initials.constFind(text);
    if (cached != m_initials.cend())
        return *cached;
    return *m_initials.insert(text, suite::mnemonicCode(text));
}

QString Pinyin::spelling(const QString &text)
{
    QString result = latin(text).remove(u' ').toLower();
    if (!result.isEmpty())
        result[0] = result[0].toUpper();
    return result;
}

} // namespace demo

#include "suite/data/MnemonicCode.h"

#include "suite/core/ErrorLog.h"

#include <QMutex>
#include <QMutexLocker>
#include <QStringList>

#include <unicode/translit.h>
#include <unicode/unistr.h>

#include <memory>

namespace suite {

namespace {

struct PhraseReading
{
    const char16_t *phrase;
    const char *initials;
};

// ICU reads each character with its most frequent reading, which is the wrong one in some
// words that company and place names are full of (银行 is yin hang, not yin xing; 长沙 is
// chang sha). These words are read here before the rest goes to ICU.
constexpr PhraseReading kPhraseReadings[] = {
    { u"银行", "YH" }, { u"分行", "FH" }, { u"支行", "ZH" }, { u"总行", "ZH" }, { u"商行", "SH" },
    { u"车行", "CH" }, { u"琴行", "QH" }, { u"洋行", "YH" }, { u"同行", "TH" }, { u"行业", "HY" },
    { u"长沙", "CS" }, { u"长春", "CC" }, { u"长城", "CC" }, { u"长安", "CA" }, { u"长江", "CJ" },
    { u"长虹", "CH" }, { u"长治", "CZ" }, { u"长征", "CZ" }, { u"长宁", "CN" }, { u"长兴", "CX" },
    { u"厦门", "XM" }, { u"会计", "KJ" }, { u"音乐", "YY" }, { u"乐清", "YQ" }, { u"空调", "KT" },
    { u"人参", "RS" }, { u"西藏", "XZ" }, { u"番禺", "PY" },
};

// The transliterator takes milliseconds to build, so one serves the whole process; ICU does
// not promise that one instance may be used by two threads at once.
class PinyinReader
{
public:
    static PinyinReader &instance()
    {
        static PinyinReader reader;
        return reader;
    }

    // The syllables of the characters, one per character when ICU gives that many.
    QStringList syllables(const QString &han)
    {
        const QMutexLocker lock(&m_mutex);
        if (!m_transliterator)
            return {};
        icu::UnicodeString text(reinterpret_cast<const UChar *>(han.utf16()), int(han.size()));
        m_transliterator->transliterate(text);
        const QString latin =
            QString::fromUtf16(reinterpret_cast<const char16_t *>(text.getBuffer()), text.length());
        return latin.split(u' ', Qt::SkipEmptyParts);
    }

private:
    PinyinReader()
    {
        UErrorCode status = U_ZERO_ERROR;
        m_transliterator.reset(icu::Transliterator::createInstance(
            icu::UnicodeString(u"Han-Latin; Latin-ASCII"), UTRANS_FORWARD, status));
        if (U_FAILURE(status)) {
            m_transliterator.reset();
            ErrorLog::instance().error(
                QStringLiteral("GetMnemCode"),
                QStringLiteral("ICU cannot read Chinese as pinyin (%1); mnemonic codes keep only "
                               "Latin letters and digits.")
                    .arg(QLatin1String(u_errorName(status))));
        }
    }

    QMutex m_mutex;
    std::unique_ptr<icu::Transliterator> m_transliterator;
};

bool isHan(char32_t c)
{
    return QChar::script(c) == QChar::Script_Han;
}

void appendInitial(QString &code, QStringView syllable)
{
    if (!syllable.isEmpty() && syllable.front().isLetter() && syllable.front().unicode() < 0x80)
        code += syllable.front().toUpper();
}

// Reading a run of characters as a whole lets ICU use what it knows of words (重庆 is
// chong qing); a run it does not split into one syllable per character is read character by
// character.
void appendHanInitials(QString &code, const QString &run)
{
    if (run.isEmpty())
        return;
    const QList<uint> characters = run.toUcs4();
    const QStringList syllables = PinyinReader::instance().syllables(run);
    if (syllables.size() == characters.size()) {
        for (const QString &syllable : syllables)
            appendInitial(code, syllable);
        return;
    }
    for (const uint character : characters) {
        const QStringList single = PinyinReader::instance().syllables(
            QString::fromUcs4(reinterpret_cast<const char32_t *>(&character), 1));
        if (!single.isEmpty())
            appendInitial(code, single.front());
    }
}

const PhraseReading *phraseAt(QStringView text, qsizetype pos)
{
    for (const PhraseReading &reading : kPhraseReadings) {
        if (text.mid(pos).startsWith(QStringView(reading.phrase)))
            return &reading;
    }
    return nullptr;
}

// A Latin letter with an accent counts as its base letter (é as E); other scripts are dropped.
void appendOther(QString &code, char32_t c)
{
    const QString decomposed = QString::fromUcs4(&c, 1).normalized(QString::NormalizationForm_D);
    const QChar base = decomposed.front();
    if (base.unicode() < 0x80 && base.isLetterOrNumber())
        code += base.toUpper();
}

} // namespace

QString mnemonicCode(const QString &text)
{
    const QString normalized = text.normalized(QString::NormalizationForm_KC);
    QString code;
    QString hanRun;
    qsizetype pos = 0;
    while (pos < normalized.size()) {
        const char32_t c = normalized.at(pos).isHighSurrogate() && pos + 1 < normalized.size()
            ? QChar::surrogateToUcs4(normalized.at(pos), normalized.at(pos + 1))
            : normalized.at(pos).unicode();
        const qsizetype width = QChar::requiresSurrogates(c) ? 2 : 1;
        if (!isHan(c)) {
            appendHanInitials(code, std::exchange(hanRun, QString()));
            appendOther(code, c);
        } else if (const PhraseReading *reading = phraseAt(normalized, pos)) {
            appendHanInitials(code, std::exchange(hanRun, QString()));
            code += QLatin1String(reading->initials);
            pos += QStringView(reading->phrase).size();
            continue;
        } else {
            hanRun += normalized.mid(pos, width);
        }
        pos += width;
    }
    appendHanInitials(code, hanRun);
    return code;
}

} // namespace suite

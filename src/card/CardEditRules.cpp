#include "card/CardEditRules.h"

#include <QRegularExpression>

#include <algorithm>

namespace customer {

namespace {

const QString kEdt = QStringLiteral("Edt");
const QString kMnemonic = QStringLiteral("EdtcCusMnemCode");
constexpr int kName = 1;
constexpr int kAbbreviation = 2;
constexpr int kLargestCharacterKey = 1000;
constexpr double kRateBound = 100;

bool isPostCodeCharacter(QChar c)
{
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'z') || c == u'-';
}

} // namespace

bool isPassThroughKey(int keyCode)
{
    static constexpr int kKeys[] = { 1, 2, 4, 8, 9, 13, 16, 17, 20, 27, 45, 144 };
    return std::find(std::begin(kKeys), std::end(kKeys), keyCode) != std::end(kKeys);
}

// The code of a key is read as the character with that code, which for the main keyboard's
// digits and letters is the character on the key.
bool creditCodeTakesKey(int keyCode)
{
    if (isPassThroughKey(keyCode))
        return true;
    static const QString accepted = QStringLiteral("1234567890ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    return keyCode > 0 && keyCode < kLargestCharacterKey && accepted.contains(QChar(keyCode));
}

bool isPostCode(const QString &text)
{
    const QString code = text.trimmed().toLower();
    return std::all_of(code.cbegin(), code.cend(), isPostCodeCharacter);
}

bool isWebAddress(const QString &text)
{
    static const QRegularExpression address(
        QStringLiteral(R"(((https?)|(ftp))://([\w-]+\.)+[\w-]+(/[\w\-./?%&=]*)?)"),
        QRegularExpression::CaseInsensitiveOption);
    return text.isEmpty() || address.match(text).hasMatch();
}

bool isWithinRateBound(const QString &text, RateBound bound)
{
    bool isNumber = false;
    const double rate = text.trimmed().toDouble(&isNumber);
    if (!isNumber)
        return true;
    return bound == RateBound::UpToHundred ? rate <= kRateBound : rate < kRateBound;
}

CardNameRules::CardNameRules(CardFields &fields, bool autoMnemonic, MnemonicOf mnemonicOf)
    : m_fields(fields)
    , m_autoMnemonic(autoMnemonic)
    , m_mnemonicOf(std::move(mnemonicOf))
{ }

QString CardNameRules::name() const
{
    return m_fields.text(kEdt, kName);
}

void CardNameRules::nameLeft()
{
    if (m_autoMnemonic && m_fields.text(kMnemonic).isEmpty() && !name().isEmpty())
        m_fields.setText(kMnemonic, -1, m_mnemonicOf(name()));
    if (m_fields.text(kEdt, kAbbreviation).isEmpty())
        m_fields.setText(kEdt, kAbbreviation, name());
}

void CardNameRules::abbreviationLeft()
{
    if (name().isEmpty())
        m_fields.setText(kEdt, kName, m_fields.text(kEdt, kAbbreviation));
}

void CardNameRules::nameChanged()
{
    if (m_autoMnemonic)
        m_fields.setText(kMnemonic, -1, m_mnemonicOf(name()));
}

QString defaultAddress(const CardFields &fields)
{
    return fields.text(QStringLiteral("EdtcProvince")) + fields.text(QStringLiteral("EdtcCity"))
        + fields.text(QStringLiteral("EdtcCounty"));
}

} // namespace customer

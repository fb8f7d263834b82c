#include "suite/pub/CodeRule.h"

#include "suite/core/XmlDocument.h"
#include "suite/data/RecordSet.h"

#include <algorithm>

namespace suite {

namespace {

QString flag(bool value)
{
    return value ? QStringLiteral("1") : QStringLiteral("0");
}

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

QString contextText(const XmlElement &context, const QString &name)
{
    for (const XmlElement &element : context.childElements()) {
        if (element.name().compare(name, Qt::CaseInsensitive) == 0)
            return element.text().trimmed();
    }
    return QString();
}

} // namespace

std::optional<CodePart::Kind> CodePart::kindOf(const QString &name)
{
    for (const Kind kind : { Kind::Text, Kind::Field, Kind::Date }) {
        if (name.trimmed().compare(nameOf(kind), Qt::CaseInsensitive) == 0)
            return kind;
    }
    return std::nullopt;
}

QString CodePart::nameOf(Kind kind)
{
    switch (kind) {
    case Kind::Text:
        return QStringLiteral("text");
    case Kind::Field:
        return QStringLiteral("field");
    case Kind::Date:
        return QStringLiteral("date");
    }
    return QString();
}

QString CodeRule::prefixFor(const XmlElement &context, const QDate &today) const
{
    QString prefix;
    for (const CodePart &part : parts) {
        switch (part.kind) {
        case CodePart::Kind::Text:
            prefix += part.value;
            break;
        case CodePart::Kind::Field:
            prefix += contextText(context, part.value);
            break;
        case CodePart::Kind::Date: {
            const QDateTime recorded =
                dateTimeFromText(contextText(context, QLatin1String(kDateElement)));
            prefix += (recorded.isValid() ? recorded.date() : today).toString(part.value);
            break;
        }
        }
    }
    return prefix;
}

QString CodeRule::codeOf(const QString &prefix, qint64 serial) const
{
    return prefix + QStringLiteral("%1").arg(serial, serialLength, 10, QLatin1Char('0'));
}

qint64 CodeRule::largestSerial() const
{
    qint64 largest = 0;
    for (int digit = 0; digit < serialLength; ++digit)
        largest = largest * 10 + 9;
    return largest;
}

std::optional<std::pair<QString, qint64>> CodeRule::split(const QString &code) const
{
    if (serialLength <= 0 || code.size() < serialLength)
        return std::nullopt;
    const QString digits = code.right(serialLength);
    if (!std::all_of(digits.cbegin(), digits.cend(), isAsciiDigit))
        return std::nullopt;
    return std::make_pair(code.left(code.size() - serialLength), digits.toLongLong());
}

QString CodeRule::formatText() const
{
    XmlDocument document;
    XmlElement root = document.createDocumentElement(QStringLiteral("编码规则"));
    root.setAttribute(QStringLiteral("对象"), object);
    root.setAttribute(QStringLiteral("编码字段"), codeField);
    root.setAttribute(QStringLiteral("自动编号"), flag(autoCode));
    root.setAttribute(QStringLiteral("允许手工修改"), flag(manualChange));
    root.setAttribute(QStringLiteral("流水号长度"), QString::number(serialLength));
    root.setAttribute(QStringLiteral("起始流水号"), QString::number(serialStart));
    for (const CodePart &part : parts) {
        XmlElement element = root.appendElement(QStringLiteral("前缀"));
        element.setAttribute(QStringLiteral("类型"), CodePart::nameOf(part.kind));
        element.setAttribute(QStringLiteral("值"), part.value);
    }
    return root.xml();
}

} // namespace suite

#pragma once

#include <QDate>
#include <QList>
#include <QString>

#include <optional>
#include <utility>

namespace suite {

class XmlElement;

// One prefix part of a code: fixed text, a value of the record being entered (the text of the
// context element of that name, such as ccccode) or the record's date in a Qt date format.
struct CodePart
{
    enum class Kind { Text, Field, Date };

    Kind kind = Kind::Text;
    QString value;

    // "text", "field" or "date", without regard to case; nullopt for anything else.
    static std::optional<Kind> kindOf(const QString &name);
    static QString nameOf(Kind kind);
};

// The numbering rule of an archive's codes: the prefix parts, then a serial of serialLength
// digits that counts separately for every prefix ("0101" + "0007").
struct CodeRule
{
    static constexpr int kMaxSerialLength = 9;
    // The context element whose date the date parts show; today when it holds none.
    static constexpr const char *kDateElement = "dmodifydate";

    QString object;
    QString codeField;
    bool autoCode = false;
    bool manualChange = true;
    int serialLength = 0;
    int serialStart = 1;
    QList<CodePart> parts;

    // The prefix of a new code for the record the context element describes; a field the
    // context lacks adds nothing.
    QString prefixFor(const XmlElement &context, const QDate &today) const;
    QString codeOf(const QString &prefix, qint64 serial) const;
    qint64 largestSerial() const;
    // Prefix and serial of a code that ends in the serial's digits; nullopt for another code.
    std::optional<std::pair<QString, qint64>> split(const QString &code) const;

    // The descriptor the cards keep: the rule as XML whose root carries the flags, among them
    // 允许手工修改 (manual change allowed), and one element per prefix part:
    //   <编码规则 对象="Customer" 编码字段="cCusCode" 自动编号="1" 允许手工修改="1"
    //       流水号长度="4" 起始流水号="1"><前缀 类型="field" 值="ccccode"/></编码规则>
    QString formatText() const;
};

} // namespace suite

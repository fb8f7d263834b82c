#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

namespace suite {

class IClsCommon;
class ResourceTable;

// One user-defined field of an archive as the company defined it in userdef.
struct UserDefineField
{
    enum class Type { Text, Integer, Number, Date, DateTime };

    // The column the value is stored in (cCusDefine1, cCDefine3, ...).
    QString name;
    QString caption;
    Type type = Type::Text;
    int length = 0;
    int decimals = 0;
    // The values offered from UserDefine when the field names a list.
    QStringList choices;
};

// The user-defined fields of one archive class ("客户"): the archive's own items (named with the
// field prefix) in item order, then its extended items. Items without a caption are not used.
class UserDefineFields
{
public:
    bool read(IClsCommon &srv, const QString &cClass, const QString &cFieldPrefix, QString &sMsg);
    const QList<UserDefineField> &fields() const { return m_fields; }

    // The value as the field shows it: dates without a time of midnight, nulls empty.
    static QString displayValue(const UserDefineField &field, const QVariant &value);
    // Empty when the value fits the field, else the user's message.
    static QString problem(const UserDefineField &field, const QString &value,
                           const ResourceTable &texts);

private:
    bool readChoices(IClsCommon &srv, QString &sMsg);

    QList<UserDefineField> m_fields;
    QStringList m_lists;
};

} // namespace suite

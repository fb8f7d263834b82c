#include "suite/card/UserDefineFields.h"

#include "suite/core/SqlQuote.h"
#include "suite/data/IClsCommon.h"
#include "suite/data/RecordSet.h"
#include "suite/pub/ResourceTable.h"

#include <QDate>
#include <QDateTime>

#include <algorithm>

namespace suite {

namespace {

const QString kOwnItem = QStringLiteral("自定义项");
const QString kExtendedItem = QStringLiteral("扩展自定义项");

UserDefineField::Type typeOf(const QString &cType)
{
    if (cType == QStringLiteral("整型"))
        return UserDefineField::Type::Integer;
    if (cType == QStringLiteral("数字"))
        return UserDefineField::Type::Number;
    if (cType == QStringLiteral("日期"))
        return UserDefineField::Type::Date;
    if (cType == QStringLiteral("日期时间"))
        return UserDefineField::Type::DateTime;
    return UserDefineField::Type::Text;
}

// Own items sort before extended ones, each by item number.
int itemOrder(const QString &item)
{
    if (item.startsWith(kExtendedItem))
        return 1000 + item.mid(kExtendedItem.size()).toInt();
    return item.mid(kOwnItem.size()).toInt();
}

QDateTime dateTimeOf(const QString &text)
{
    for (const QString &format :
         { QStringLiteral("yyyy-MM-dd HH:mm:ss"), QStringLiteral("yyyy-MM-dd HH:mm"),
           QStringLiteral("yyyy-MM-ddTHH:mm:ss") }) {
        const QDateTime value = QDateTime::fromString(text, format);
        if (value.isValid())
            return value;
    }
    return {};
}

} // namespace

bool UserDefineFields::read(IClsCommon &srv, const QString &cClass, const QString &cFieldPrefix,
                            QString &sMsg)
{
    RecordSet rows = srv.OpenX(
        QStringLiteral("select CItem,cItemName,cDicDbName,cType,iLength,iDecimalDigits,cID "
                       "from userdef where cClass=")
        + sqlUnicode(cClass));
    if (!rows.IsOpen()) {
        sMsg = srv.LastError();
        return false;
    }
    QList<std::pair<int, UserDefineField>> ordered;
    m_lists.clear();
    for (int i = 0; i < rows.RecordCount(); ++i) {
        const QString item = rows.valueAt(i, 0).toString();
        const QString column = rows.valueAt(i, 2).toString();
        const bool own = item.startsWith(kOwnItem) && column.startsWith(cFieldPrefix);
        UserDefineField field{ column,
                               rows.valueAt(i, 1).toString().trimmed(),
                               typeOf(rows.valueAt(i, 3).toString()),
                               rows.valueAt(i, 4).toInt(),
                               rows.valueAt(i, 5).toInt(),
                               {} };
        if (field.caption.isEmpty() || !(own || item.startsWith(kExtendedItem)))
            continue;
        m_lists.append(rows.valueAt(i, 6).toString());
        ordered.append({ itemOrder(item), field });
    }
    std::stable_sort(ordered.begin(), ordered.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });
    m_fields.clear();
    for (const auto &entry : std::as_const(ordered))
        m_fields.append(entry.second);
    return readChoices(srv, sMsg);
}

bool UserDefineFields::readChoices(IClsCommon &srv, QString &sMsg)
{
    RecordSet rows = srv.OpenX(QStringLiteral("select cID,cValue from UserDefine order by cID"));
    if (!rows.IsOpen()) {
        sMsg = srv.LastError();
        return false;
    }
    for (int i = 0; i < m_fields.size(); ++i) {
        const QString list = m_lists.value(i);
        if (m_fields.at(i).type != UserDefineField::Type::Text || list.isEmpty())
            continue;
        for (int row = 0; row < rows.RecordCount(); ++row)
            if (rows.valueAt(row, 0).toString() == list)
                m_fields[i].choices.append(rows.valueAt(row, 1).toString());
    }
    return true;
}

QString UserDefineFields::displayValue(const UserDefineField &field, const QVariant &value)
{
    if (value.isNull())
        return {};
    const QString text = value.toString();
    if (field.type == UserDefineField::Type::Date && text.size() > 10)
        return text.left(10);
    if (field.type == UserDefineField::Type::DateTime && text.contains(u'T'))
        return QString(text).replace(u'T', u' ').left(19);
    return text;
}

QString UserDefineFields::problem(const UserDefineField &field, const QString &value,
                                  const ResourceTable &texts)
{
    if (value.isEmpty())
        return {};
    bool ok = true;
    QString key;
    switch (field.type) {
    case UserDefineField::Type::Text:
        ok = field.length <= 0 || value.size() <= field.length;
        key = QStringLiteral("Tarn.AA.SUBREC.USERDEF.toolong");
        break;
    case UserDefineField::Type::Integer:
        value.toInt(&ok);
        key = QStringLiteral("Tarn.AA.SUBREC.USERDEF.notinteger");
        break;
    case UserDefineField::Type::Number: {
        value.toDouble(&ok);
        const qsizetype point = value.indexOf(u'.');
        ok = ok && (point < 0 || value.size() - point - 1 <= field.decimals);
        key = QStringLiteral("Tarn.AA.SUBREC.USERDEF.notnumber");
        break;
    }
    case UserDefineField::Type::Date:
        ok = QDate::fromString(value, QStringLiteral("yyyy-MM-dd")).isValid();
        key = QStringLiteral("Tarn.AA.SUBREC.USERDEF.notdate");
        break;
    case UserDefineField::Type::DateTime:
        ok = dateTimeOf(value).isValid()
            || QDate::fromString(value, QStringLiteral("yyyy-MM-dd")).isValid();
        key = QStringLiteral("Tarn.AA.SUBREC.USERDEF.notdate");
        break;
    }
    return ok ? QString()
              : texts.format(key,
                             { field.caption, value, QString::number(field.length),
                               QString::number(field.decimals) });
}

} // namespace suite

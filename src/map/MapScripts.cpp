#include "map/MapScripts.h"

#include <QRegularExpression>

namespace map::MapScripts {

QString stringLiteral(const QString &value)
{
    QString literal;
    literal.reserve(value.size() + 2);
    literal.append(u'\'');
    for (const QChar c : value) {
        switch (c.unicode()) {
        case u'\\':
            literal.append(QStringLiteral("\\\\"));
            break;
        case u'\'':
            literal.append(QStringLiteral("\\'"));
            break;
        case u'"':
            literal.append(QStringLiteral("\\\""));
            break;
        case u'\n':
            literal.append(QStringLiteral("\\n"));
            break;
        case u'\r':
            literal.append(QStringLiteral("\\r"));
            break;
        case u'<':
            literal.append(QStringLiteral("\\x3C"));
            break;
        case 0x2028:
            literal.append(QStringLiteral("\\u2028"));
            break;
        case 0x2029:
            literal.append(QStringLiteral("\\u2029"));
            break;
        default:
            literal.append(c);
        }
    }
    literal.append(u'\'');
    return literal;
}

QString coordinate(const QString &value)
{
    static const QRegularExpression plainNumber(QStringLiteral("^-?\\d{1,3}(\\.\\d+)?$"));
    return plainNumber.match(value).hasMatch() ? value : stringLiteral(value);
}

QString getOnLine()
{
    return QStringLiteral("GetBOnLine()");
}

QString setLocationByPoint(const QString &longitude, const QString &latitude)
{
    return QStringLiteral("setLocationByPoint(%1,%2)")
        .arg(coordinate(longitude), coordinate(latitude));
}

QString putSearchAddress(const QString &address)
{
    return QStringLiteral("document.getElementById('searchSite').value=%1")
        .arg(stringLiteral(address));
}

QString searchSite()
{
    return QStringLiteral("SearchSite()");
}

QString setCenterByLongLati(const QString &longitude, const QString &latitude, int index,
                            const QString &address)
{
    return QStringLiteral("SetCenterByLongLati(%1,%2,%3,%4)")
        .arg(coordinate(longitude), coordinate(latitude), QString::number(index),
             stringLiteral(address));
}

QString markCluster()
{
    return QStringLiteral("MarkCluster()");
}

QString setCallWinForm()
{
    return QStringLiteral("SetBCallWinForm(1)");
}

QString clearOverlays()
{
    return QStringLiteral(" map.clearOverlays() ");
}

QString resetPage(bool toWholeCountry)
{
    return toWholeCountry ? QStringLiteral("ResetPage(true)") : QStringLiteral("ResetPage(false)");
}

QString setLocalPlace(double longitude, double latitude, const QString &name)
{
    return QStringLiteral("setLocalPlace(%1,%2,%3)")
        .arg(QString::number(longitude, 'f', 6), QString::number(latitude, 'f', 6),
             stringLiteral(name));
}

} // namespace map::MapScripts

#include "map/MapListRows.h"

namespace map {

bool splitLocation(const QString &location, QString &latitude, QString &longitude)
{
    const QStringList parts = location.split(u',');
    latitude = parts.value(0).trimmed();
    longitude = parts.value(1).trimmed();
    return !latitude.isEmpty() && !longitude.isEmpty();
}

QString listLabel(const QList<std::pair<QString, QString>> &labelColumns)
{
    QString label;
    for (const auto &[header, text] : labelColumns)
        label += header + u':' + text + QLatin1String("<BR>");
    return label;
}

void handOverListRows(MapState &state, const QList<MapListRow> &rows)
{
    state.setLongitude(QString());
    state.setLatitude(QString());
    state.setAddress(QString());
    state.setIsMapList(true);
    for (const MapListRow &row : rows) {
        QString latitude;
        QString longitude;
        if (!splitLocation(row.location, latitude, longitude))
            continue;
        state.setLatitude(latitude);
        state.setLongitude(longitude);
        // An empty label would empty the address list and part the labels from their points.
        const QString label = listLabel(row.labelColumns);
        state.setAddress(label.isEmpty() ? row.location : label);
    }
}

} // namespace map

#pragma once

#include "map/MapState.h"

#include <QList>
#include <QString>

#include <utility>

namespace map {

// A ticked row of the customer list as the map reads it: the location cell ("latitude,
// longitude") and the shown label columns as header and cell text, in label order.
struct MapListRow
{
    QString location;
    QList<std::pair<QString, QString>> labelColumns;
};

// Hands the ticked rows to the map window's properties for list mode: the lists are emptied,
// list mode is set, and each row with a position adds its longitude, latitude and label. A
// location cell needs both parts: a cell without its longitude would, set as an empty value,
// empty the list gathered so far.
void handOverListRows(MapState &state, const QList<MapListRow> &rows);

// "latitude,longitude" split; false when either part is empty.
bool splitLocation(const QString &location, QString &latitude, QString &longitude);

// Header ":" text "<BR>" for each column, joined.
QString listLabel(const QList<std::pair<QString, QString>> &labelColumns);

} // namespace map

#include "map/DivisionTable.h"

#include "suite/data/IClsCommon.h"

namespace map {

QList<GeoDivision> readDivisionTable(suite::IClsCommon &srv)
{
    QList<GeoDivision> divisions;
    suite::RecordSet rows =
        srv.OpenX(QStringLiteral("select ccodeID,cpCodeID,vsimpleName,ilevels from HR_CT007"));
    if (!rows.IsOpen())
        return divisions;
    for (; !rows.Eof(); rows.MoveNext()) {
        divisions.append({ rows.Value(0).toString(), rows.Value(1).toString(),
                           rows.Value(2).toString(), rows.Value(3).toInt() });
    }
    return divisions;
}

} // namespace map

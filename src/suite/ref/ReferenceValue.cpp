#include "suite/ref/ReferenceValue.h"

#include "suite/ref/ReferenceCatalogue.h"
#include "suite/ref/ReferenceSettings.h"

namespace suite {

QString returnColumnOf(const ReferenceDefinition &reference, const ReferenceSettings &settings)
{
    return settings.returnField.isEmpty() ? reference.valueColumn : settings.returnField;
}

QString showColumnOf(const ReferenceDefinition &reference, const ReferenceSettings &settings)
{
    if (!settings.showField.isEmpty())
        return settings.showField;
    if (settings.returnStyle == ReferenceSettings::ReturnName)
        return reference.nameColumn;
    return returnColumnOf(reference, settings);
}

ReferenceValue referenceValueOf(const ReferenceDefinition &reference,
                                const ReferenceSettings &settings, const RecordSet &row)
{
    ReferenceValue value;
    value.text = row.Value(showColumnOf(reference, settings)).toString();
    value.code = settings.returnStyle == ReferenceSettings::ReturnText
        ? value.text
        : row.Value(returnColumnOf(reference, settings)).toString();
    return value;
}

RecordSet singleRowOf(const RecordSet &rows, int index)
{
    if (!rows.IsOpen() || index < 0 || index >= rows.RecordCount())
        return RecordSet();
    QVariantList values;
    for (int column = 0; column < rows.FieldCount(); ++column)
        values.append(rows.valueAt(index, column));
    RecordSet row(rows.Fields(), { values });
    row.MoveFirst();
    return row;
}

} // namespace suite

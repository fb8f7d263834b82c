#include "suite/ref/ReferenceColumnSets.h"

#include "suite/colset/ColumnSetXml.h"
#include "suite/colset/IColumnSet.h"
#include "suite/pub/ResourceTable.h"
#include "suite/ref/ReferenceCatalogue.h"

namespace suite {

ColumnSet referenceColumnSet(const ReferenceDefinition &reference, const ResourceTable &texts)
{
    ColumnSet set;
    set.key = reference.columnSetKey();
    set.rootName = reference.table;
    for (const ReferenceColumn &shown : reference.columns) {
        Column column;
        column.field = reference.qualified(shown.field);
        column.caption = texts.text(shown.captionKey);
        column.originalCaption = column.caption;
        if (shown.field.compare(reference.codeColumn, Qt::CaseInsensitive) == 0)
            column.sort = QStringLiteral("asc");
        set.columns.append(column);
    }
    set.renumber();
    return set;
}

bool registerReferenceColumnSets(IColumnSet &service, const ResourceTable &texts, QString &sMsg)
{
    for (const ReferenceDefinition &reference : referenceDefinitions()) {
        const ColumnSet set = referenceColumnSet(reference, texts);
        if (!service.setCatalogue(set.key, writeColumnSetXml(set), sMsg))
            return false;
    }
    return true;
}

} // namespace suite

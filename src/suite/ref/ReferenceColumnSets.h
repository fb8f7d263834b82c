#pragma once

#include "suite/colset/ColumnSet.h"

namespace suite {

class IColumnSet;
class ResourceTable;
struct ReferenceDefinition;

// The default column set of a reference's rows (key "Ref" + table): its shown columns,
// qualified by the table and captioned in the language of texts, sorted on the code.
ColumnSet referenceColumnSet(const ReferenceDefinition &reference, const ResourceTable &texts);

// Gives the column-set service the default set of every reference in the catalogue, so that a
// list serving reference rows selects and orders them by the user's "Ref" + table set. False
// with sMsg naming the first set the service refused.
bool registerReferenceColumnSets(IColumnSet &service, const ResourceTable &texts, QString &sMsg);

} // namespace suite

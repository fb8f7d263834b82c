#pragma once

#include <QString>
#include <QVariantHash>

namespace suite::tsql {

// A text given with starting values for its variables (IClsCommon::OpenWith, ExecuteWith) as
// one self-contained T-SQL text, for a receiver that takes texts only: a "set" per variable
// given, placed after the declarations the text begins with. Texts values are Unicode literals
// with their quotes doubled, numbers stay numbers, a null value is NULL, so that whatever a
// value holds it stays one value. Variables the text does not declare are left out.
QString withStartingValues(const QString &text, const QVariantHash &variables);

} // namespace suite::tsql

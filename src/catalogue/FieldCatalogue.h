#pragma once

#include "suite/data/RecordSet.h"

#include <QString>
#include <QStringList>
#include <QVariant>

namespace customer {

// Rebuilds the field catalogue of the session from the company database: g_cFieldCatalogXml
// (one element per customer field inside a Customer root), g_oColStyle (decimals of the money
// and rate fields), the choice texts g_aBoolText, g_aRetailKind, g_aGspComType and the account
// options g_iPriceDecDgt, g_bAutoMnemCode, g_cCurName, g_iDefine13Digits, g_iDefine14Digits.
// Needs g_oPub and g_oSrv. A statement that fails ends the build at its step (the reason goes
// to the error log): what was written before stays, the rest keeps its previous value.
// The import list builds it over its staging table: root and qualified fields name
// mainTable, captions come from its dictionary key, and its own message and row-number
// columns close the list.
void BuildColInfo(const QString &mainTable = QStringLiteral("Customer"),
                  const QString &dictionaryKey = QStringLiteral("customer"));

// The choice list of the price grades in use ("1{#}2{##}Wholesale{#}Retail"); empty when none
// is in use or they cannot be read.
QString BuildPriceGradeEnum();

// The choice list of the comma-separated values named by aNames, in the order of the names.
// A single name stands for "name the values by themselves". Empty when there are no names.
QString BuildEnumList(const QString &cValues, const QStringList &aNames);

QString NullToEmpty(const QVariant &v);

// The record set with its filter set to cFilter; a closed record set when the filter cannot be
// applied (the reason goes to the error log), so that callers find no rows rather than all.
suite::RecordSet FilterRs(suite::RecordSet rs, const QString &cFilter);

} // namespace customer

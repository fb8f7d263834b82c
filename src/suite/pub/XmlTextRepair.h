#pragma once

#include <QString>

namespace suite {

// Element and attribute names of an XML text lower-cased; attribute values, text, comments,
// CDATA sections and declarations keep their case.
QString lowerXmlNames(const QString &xml);

// A record XML made loadable: an '&' that begins no entity and a '<' that begins no tag,
// comment or declaration are escaped, and control characters other than tab, line feed and
// carriage return are removed. A well-formed text comes back unchanged.
QString repairRecordXml(const QString &xml);

} // namespace suite

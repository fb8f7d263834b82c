#pragma once

#include <QString>

namespace customer {

// Lower-cases every tag of an XML text in place: from each "<" to the nearest ">" on the same
// line, element names, attribute names and attribute values alike; the text between tags is
// left as it is. With bEscapeAmp every "&" first becomes "&amp;", also one that already
// starts an entity, so "&amp;" becomes "&amp;amp;". The record XML of the card and of batch
// modify goes through it before it is parsed.
//
// One pass over the text into one buffer reserved ahead, so a record set of many megabytes
// is not copied once per tag.
void LowerXmlTags(QString &sXml, bool bEscapeAmp);

} // namespace customer

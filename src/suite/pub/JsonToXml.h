#pragma once

#include "suite/pub/IJsonToXml.h"

namespace suite {

// Converts as the JSON is read (nlohmann-json's event parser), without a tree of either.
//
// {"msg":"ok","data":{"list":[{"ID":1},{"ID":2}]}} becomes
// <root><msg>ok</msg><data><list><ID>1</ID></list><list><ID>2</ID></list></data></root>.
// A top-level array gives its items as item elements; an array inside an array one element of
// the outer name around its own items. Members whose names are no XML names get one: each
// character an XML name cannot hold becomes "_", and a name that cannot start so gets a leading
// "_". null gives an empty element, true and false their words, numbers their JSON text.
// Control characters other than tab and line breaks cannot be written in XML and become U+FFFD;
// a carriage return is written as a reference, which the parser keeps.
class JsonToXml : public IJsonToXml
{
public:
    // Deeper nesting is refused: no service answers so, and each level costs a frame.
    static constexpr int kMaxDepth = 256;

    QString Convert(const QString &sJson) override;
};

void registerJsonToXml();

} // namespace suite

#pragma once

#include "suite/core/SuiteObject.h"

#include <QString>

namespace suite {

// The suite's JSON-to-XML converter "TarnPub.JsonToXml". The document's root element is root;
// each member of an object becomes an element of the member's name, each item of an array an
// element of the array's name (so an array becomes repeated elements), and scalars become the
// elements' text. An empty text when the input is not JSON.
class IJsonToXml : public SuiteObject
{
public:
    static constexpr const char *kProgId = "TarnPub.JsonToXml";

    virtual QString Convert(const QString &sJson) = 0;
};

} // namespace suite

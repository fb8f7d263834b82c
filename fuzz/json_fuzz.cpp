#include "FuzzInput.h"

#include "suite/core/XmlDocument.h"
#include "suite/pub/JsonToXml.h"

// Whatever the text holds, the converter gives nothing or XML that loads.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString xml = suite::JsonToXml().Convert(fuzzText(data, size));
    suite::XmlDocument document;
    if (!xml.isEmpty() && !document.loadXml(xml))
        __builtin_trap();
    return 0;
}

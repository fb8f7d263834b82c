#include "FuzzInput.h"

#include "suite/core/XmlDocument.h"

// Loading, walking and path selection on whatever the text holds.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    suite::XmlDocument document;
    if (!document.loadXml(fuzzText(data, size)))
        return 0;
    const suite::XmlElement root = document.documentElement();
    for (const suite::XmlElement &child : root.childElements())
        (void)child.text();
    (void)document.selectNodes(QStringLiteral("//*[@bXML]"));
    (void)document.xml();
    return 0;
}

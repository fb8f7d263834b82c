#include "FuzzInput.h"

#include "suite/data/CustomerRecord.h"

// The customer record XML as Add and Modify receive it from a card, a plug-in or the host.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    suite::CustomerRecord record;
    QString sMsg;
    (void)record.read(fuzzText(data, size), sMsg);
    return 0;
}

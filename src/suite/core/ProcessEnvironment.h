#pragma once

namespace suite {

// Settles what the whole process depends on before any work starts. Today that is the time
// zone: without TZ, the C library reads /etc/localtime again for every local-time
// conversion, which makes reading a large result with dates several times slower.
void prepareProcessEnvironment();

} // namespace suite

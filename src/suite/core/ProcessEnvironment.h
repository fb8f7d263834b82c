#pragma once

namespace suite {

// Settles what the whole process depends on before any work starts. Today that is the time
// zone: without TZ, the C library reads /etc/localtime again for every local-time
// conversion, which makes reading a large result with dates several times slower.
void prepareProcessEnvironment();

// The web view of the map window runs Chromium, which refuses to start as root inside its
// sandbox and finds no GPU on the offscreen platform. Adds "--no-sandbox" for root and
// "--disable-gpu" for the offscreen and minimal platforms to QTWEBENGINE_CHROMIUM_FLAGS, keeping
// what the caller put there. Called once the platform is chosen and before the application
// object exists.
void prepareWebEngineEnvironment();

} // namespace suite

#pragma once

namespace suite {

// Registers every suite class with the object factory under its ProgID. The host calls it
// once at start-up; the libraries are static, so classes cannot register themselves.
void registerSuiteServices();

} // namespace suite

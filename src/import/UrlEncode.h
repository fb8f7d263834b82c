#pragma once

#include <QString>

namespace customer {

// The text as a value of an address's query: converted to the 8-bit code page of the
// marketing service (GB18030), ASCII letters and digits kept, a space as "+", every other byte
// as "%" and two upper-case hexadecimal digits: "2026-12-07 08:30:00" becomes
// "2026%2D12%2D07+08%3A30%3A00".
QString URLEncode(const QString &strParameter);

} // namespace customer

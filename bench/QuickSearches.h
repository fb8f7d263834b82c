#pragma once

#include <iterator>

namespace bench {

// The quick searches both backends' benchmarks type: short and long, Chinese and Latin, rare
// and common words over the demo company of one million customers.
struct Search
{
    const char *label;
    const char *text;
};

inline constexpr Search kSearches[] = {
    { "zh2-common", "北京" },       { "zh2-rare", "骏驰" },         { "zh3-common", "有限公" },
    { "zh3-rare", "盛源自" },       { "zh6-rare", "盛源自动化设" }, { "latin2-common", "zj" },
    { "latin3-common", "ZJJ" },     { "latin6-rare", "zjjhcr" },    { "phone4", "0731" },
    { "tax10-rare", "91430811E5" },
};

inline constexpr int kSearchCount = int(std::size(kSearches));

} // namespace bench

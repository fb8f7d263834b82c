#pragma once

#include <QString>

namespace suite {

// The mnemonic code of a name, as the archive cards fill it in: the first letter of the
// pinyin of every Chinese character, Latin letters and digits as they stand, all upper-cased;
// everything else is dropped. 北京远航科技有限公司 gives BJYHKJYXGS, "ABC 公司-2号" ABCGS2H.
QString mnemonicCode(const QString &text);

} // namespace suite

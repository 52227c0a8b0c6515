#pragma once

#include <QString>

namespace kesvar {

// The pinyin initial of a GB2312 level-1 character given by its two-byte code read big-endian
// (0xB0A1..0xD7F9), as an upper-case letter; 0 for any other code.
char PinyinInitial(unsigned code);

// The quick-search code of a name: each level-1 character becomes the initial of its pinyin, every
// other character (ASCII, level-2 characters, symbols, characters GB2312 lacks) is kept as it is.
// "钢材abc" gives "GCabc".
QString QuickCode(const QString &name);

} // namespace kesvar

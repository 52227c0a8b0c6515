#include "masterdata/QuickCode.h"

#include <gtest/gtest.h>

using namespace kesvar;

TEST(QuickCode, InitialsOfLevelOneCharactersAndEverythingElseKeptWhole)
{
    struct Case { const char *name; const char *code; };
    const Case cases[] = {
        {"钢材abc", "GCabc"},
        {"选", "X"},
        {"Q235B螺纹钢", "Q235BLWG"},
        {"啊座", "AZ"},                // first and last level-1 characters
        {"亍钢", "亍G"},              // level-2 character: kept, and the next character still found
        {"圆、钢", "Y、G"},           // GB2312 symbol
        {"€钢", "€G"},                // not in GB2312 at all
        {"Ａ钢", "ＡG"},              // full-width letter
        {"\xF0\xA0\x80\x80钢", "\xF0\xA0\x80\x80G"}, // outside the basic plane
        {"", ""},
        {" 1_%'", " 1_%'"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(QuickCode(QString::fromUtf8(c.name)), QString::fromUtf8(c.code)) << c.name;
}

TEST(QuickCode, PinyinInitialFollowsTheCodeRanges)
{
    struct Case { unsigned code; char letter; };
    const Case cases[] = {
        {0xB0A1, 'A'}, {0xB0C4, 'A'}, {0xB0C5, 'B'}, {0xB6E9, 'D'}, {0xB6EA, 'E'}, {0xB7A1, 'E'}, {0xB7A2, 'F'},
        {0xBBF6, 'H'}, {0xBBF7, 'J'}, {0xC5B6, 'O'}, {0xC5BD, 'O'}, {0xCDD9, 'T'}, {0xCDDA, 'W'}, {0xD1A1, 'X'},
        {0xD7F9, 'Z'}, {0xD7FA, 0}, {0xD8A1, 0}, {0xB0A0, 0}, {0xA1A2, 0}, {0x0041, 0},
    };
    for (const Case &c : cases)
        EXPECT_EQ(PinyinInitial(c.code), c.letter) << std::hex << c.code;
}

// Byte and text helpers: overlapping moves, limited copies, case-free
// comparison and integer parsing with wrap-around.
#include "text/text_utils.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

TEST(TextLength, CountsBeforeZero) {
    EXPECT_EQ(0, TextLength(""));
    EXPECT_EQ(3, TextLength("abc\0def"));
}

TEST(FillBytes, FillsCountAndNoMore) {
    char bytes[6] = "abcde";
    FillBytes(bytes, 3, 'z' + 256);  // only the low 8 bits
    EXPECT_STREQ("zzzde", bytes);
    FillBytes(bytes, 0, 'q');
    EXPECT_STREQ("zzzde", bytes);
}

TEST(MoveBytes, OverlapsBothWays) {
    char up[] = "abcdefgh";
    MoveBytes(up + 2, up, 5);  // source above destination
    EXPECT_STREQ("cdefgfgh", up);
    char down[] = "abcdefgh";
    MoveBytes(down, down + 2, 5);  // source below destination
    EXPECT_STREQ("ababcdeh", down);
    char same[] = "abc";
    MoveBytes(same, same, 3);
    MoveBytes(same + 1, same, 0);
    EXPECT_STREQ("abc", same);
}

TEST(CopyTextLimited, CopiesAtMostLimit) {
    char out[8];
    std::memset(out, 'X', sizeof out);
    CopyTextLimited("abcdefgh", out, 4);
    EXPECT_STREQ("abcd", out);
    EXPECT_EQ('X', out[5]);
    CopyTextLimited("ab", out, 4);
    EXPECT_STREQ("ab", out);
}

TEST(EqualIgnoringCase, Table) {
    struct Case {
        const char* a;
        const char* b;
        int equal;
    } cases[] = {
        {".icm", ".ICM", 1}, {".ic", ".ICM", 0}, {".ICM", ".ic", 0}, {"", "", 1},
        {"Manual", "MANUAL", 1}, {"a[", "A{", 0},  // only a to z change case
        {"\xE9", "\xC9", 0},  // bytes above 127 are compared as they are
    };
    for (const Case& c : cases) EXPECT_EQ(c.equal, EqualIgnoringCase(c.a, c.b)) << c.a << " " << c.b;
}

TEST(ParseInteger, MovesPastSignAndDigits) {
    const char* text = "-42x";
    const char* position = text;
    int value = 99;
    EXPECT_EQ(0, ParseInteger(&position, &value));
    EXPECT_EQ(-42, value);
    EXPECT_EQ(text + 3, position);
    position = "+";
    EXPECT_EQ(1, ParseInteger(&position, &value));
    EXPECT_EQ(0, value);
}

TEST(ParseWholeInteger, Table) {
    struct Case {
        const char* text;
        int value;
        int result;
    } cases[] = {
        {"-12", -12, 0}, {"12 ", 12, 1}, {"+", 0, 1}, {"", 0, 1}, {"7", 7, 0},
        {"2x", 2, 1}, {"abc", 0, 1}, {"+5", 5, 0}, {" 5", 0, 1},
        {"2147483647", 2147483647, 0}, {"-2147483648", -2147483647 - 1, 0},
        {"2147483648", -2147483647 - 1, 0},   // wraps modulo 2^32
        {"4294967297", 1, 0},
        {"99999999999999999999", 1661992959, 0},
    };
    for (const Case& c : cases) {
        int value = 12345;
        EXPECT_EQ(c.result, ParseWholeInteger(c.text, &value)) << c.text;
        EXPECT_EQ(c.value, value) << c.text;
    }
}

}  // namespace

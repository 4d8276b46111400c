// The formatter's grammar, number rounding and capacity cut-off.
#include "text/text_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <ostream>
#include <string>

namespace {

struct RealCase {
    const char* format;
    double value;
    const char* expected;
};

void PrintTo(const RealCase& c, std::ostream* os) { *os << c.format << " -> " << c.expected; }

class RealFormat : public ::testing::TestWithParam<RealCase> {};

TEST_P(RealFormat, GivesExactText) {
    char out[64];
    const RealCase& c = GetParam();
    const int written = FormatText(out, sizeof out, c.format, c.value);
    EXPECT_STREQ(c.expected, out);
    EXPECT_EQ(static_cast<int>(std::string(c.expected).size()), written);
}

const double kInfinity = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(Cases, RealFormat, ::testing::Values(
    RealCase{"%32f", 0.123456, "0.12"},          // the later digit wins
    RealCase{"%3f", 0.3127, "0.313"},
    RealCase{"%3f", -0.0004, "-0.000"},
    RealCase{"%3f", 0.0, "0.000"},
    RealCase{"%3f", 1234.5, "1234.500"},
    RealCase{"%f", 2.5, "2.5000"},              // 4 decimals by default
    RealCase{"%2f", 0.125, "0.13"},
    RealCase{"%2f", 99.999, "100.00"},
    RealCase{"%z3f", 1.5, "1.5"},
    RealCase{"%z3f", 2.0, "2"},
    RealCase{"%z3f", 0.0, "0.000"},             // zero is never trimmed
    RealCase{"%z3f", 100.0, "100"},
    RealCase{"%z4f", 1.23, "1.23"},
    RealCase{"%z3f", -0.0001, "-0"},
    RealCase{"%4f", 0.0005, "0.0005"},
    RealCase{"%3f", 0.3, "0.300"},
    RealCase{"%3f", 0.0625, "0.063"},
    RealCase{"%3f", -0.0625, "-0.063"},
    RealCase{"%0f", 5.0, "05"},                 // no point, at least two digits
    RealCase{"%0f", 1234.0, "1234"},
    RealCase{"%6f", 1.0 / 3.0, "0.333333"},
    RealCase{"%3f", std::nan(""), "0.000"},      // not a number takes the zero path
    RealCase{"%2f", 3e9, "3000000000.00"},      // beyond 2^31 once scaled: still exact
    RealCase{"%2f", kInfinity, "184467440737095516.15"},  // saturates, defined
    RealCase{"%2f", -kInfinity, "-184467440737095516.15"}));

TEST(FormatText, IntegersAreNeverPadded) {
    char out[64];
    FormatText(out, sizeof out, "%2d|%2d|%d|%d", 7, -12, 0, -2147483647 - 1);
    EXPECT_STREQ("7|-12|0|-2147483648", out);
}

TEST(FormatText, ConversionsAndEscapes) {
    struct Case {
        const char* format;
        const char* expected;
    } cases[] = {
        {"100%%", "100%"},
        {"a%xb", "ab"},          // unknown letter consumed
        {"a%7b", "ab"},          // digit above 6 consumed
        {"a% b", "ab"},
        {"a%\xE9z", "az"},       // a byte of 128 or more consumed
        {"a%~b", "ab"},          // above z consumed
        {"x\\ny\\tz\\r", "x\ny\tz\r"},
        {"a\\\\b\\q", "a\\bq"},
        {"", ""},
        {"end%", "end"},          // a format ending inside a conversion stops there
        {"end%3z", "end"},
        {"end\\", "end"},
    };
    for (const Case& c : cases) {
        char out[64];
        const int written = FormatText(out, sizeof out, c.format);
        EXPECT_STREQ(c.expected, out) << c.format;
        EXPECT_EQ(static_cast<int>(std::string(c.expected).size()), written) << c.format;
    }
}

TEST(FormatText, TextsCharactersAndValuesInOrder) {
    char out[64];
    const int written = FormatText(out, sizeof out, "%s=%d %c%2f", "gamma", 3, 'A' + 256, 2.2);
    EXPECT_STREQ("gamma=3 A2.20", out);
    EXPECT_EQ(13, written);
}

TEST(FormatText, ZeroEscapeCountsAndOutputGoesOn) {
    char out[16];
    const int written = FormatText(out, sizeof out, "ab\\0cd");
    EXPECT_EQ(5, written);
    EXPECT_EQ(0, std::string(out, 5).compare(std::string("ab\0cd", 5)));
    EXPECT_EQ(0, out[5]);
}

TEST(FormatText, CutsAtCapacityAndTerminates) {
    char out[8];
    std::memset(out, 'X', sizeof out);
    EXPECT_EQ(5, FormatText(out, 6, "%s and %d", "abcdef", 12345));
    EXPECT_STREQ("abcde", out);
    EXPECT_EQ('X', out[6]);  // nothing beyond the capacity
    EXPECT_EQ(0, FormatText(out, 1, "abc"));
    EXPECT_STREQ("", out);
    EXPECT_EQ(0, FormatText(out, 0, "abc"));
    EXPECT_EQ('\0', out[0]);  // unchanged from the previous call
}

TEST(RealToText, CutsAtCapacity) {
    char out[8];
    std::memset(out, 'X', sizeof out);
    RealToText(-1234.5678, out, 5, 3, 1);
    EXPECT_STREQ("-123", out);
    EXPECT_EQ('X', out[5]);
    IntegerToText(-2147483647 - 1, out, 4);
    EXPECT_STREQ("-21", out);
}

TEST(RealToText, DecimalsOutsideTheRangeAreLimited) {
    char out[32];
    RealToText(1.0, out, sizeof out, 9, 0);
    EXPECT_STREQ("1.000000", out);
    RealToText(2.6, out, sizeof out, -1, 0);
    EXPECT_STREQ("03", out);
}

}  // namespace

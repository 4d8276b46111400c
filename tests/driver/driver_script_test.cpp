// The driver's script language: words, quoting, variables and selectors.
#include <gtest/gtest.h>

#include <cstdlib>

#include "tests/driver/driver_script.h"

namespace {

ScriptLine line;

void SetVariable(const char* assignment) {
#ifdef _WIN32
    _putenv(assignment);
#else
    putenv(const_cast<char*>(assignment));
#endif
}

TEST(SplitScriptLine, KeepsQuotedBlanksAndRawQuotes) {
    ASSERT_EQ(0, SplitScriptLine("  answer \"Check the cable\" Error   OK\n", &line));
    ASSERT_EQ(4, line.count);
    EXPECT_STREQ("answer", line.words[0]);
    EXPECT_STREQ("\"Check the cable\"", line.words[1]);
    EXPECT_STREQ("OK", line.words[3]);

    ASSERT_EQ(0, SplitScriptLine("click @Button\"Save Profile...\" 5 6", &line));
    ASSERT_EQ(4, line.count);
    EXPECT_STREQ("@Button\"Save Profile...\"", line.words[1]);
}

TEST(SplitScriptLine, EscapedQuoteDoesNotCloseAndCommentsAreEmpty) {
    ASSERT_EQ(0, SplitScriptLine("echo \"say \\\"hi\\\" now\" x", &line));
    ASSERT_EQ(3, line.count);
    EXPECT_STREQ("\"say \\\"hi\\\" now\"", line.words[1]);

    ASSERT_EQ(0, SplitScriptLine("   # click Next", &line));
    EXPECT_EQ(0, line.count);
    ASSERT_EQ(0, SplitScriptLine("\n", &line));
    EXPECT_EQ(0, line.count);
}

TEST(SplitScriptLine, RefusesUnclosedQuotesAndTooManyWords) {
    EXPECT_EQ(1, SplitScriptLine("type #108 \"open", &line));
    EXPECT_EQ(1, SplitScriptLine("echo \"ends in a backslash\\\"", &line));
    EXPECT_EQ(1, SplitScriptLine("a b c d e f g h i j k l m n o p q", &line));
}

TEST(WordValue, ResolvesEscapesOnlyInsideQuotesAndExpandsVariables) {
    SetVariable("PRISMOTH_TEST_BIN=Z:\\build\\bin");
    struct Case {
        const char* raw;
        const char* value;
    } cases[] = {
        {"\"a\\r\\nb\\t\\\"c\\\"\\\\\"", "a\r\nb\t\"c\"\\"},
        {"\"C:\\Program Files\\x\"", "C:\\Program Files\\x"}, // \P and \x stay
        {"C:\\new", "C:\\new"},                               // bare: no escapes
        {"$PRISMOTH_TEST_BIN/p.exe", "Z:\\build\\bin/p.exe"},
        {"\"${PRISMOTH_TEST_BIN}x\"", "Z:\\build\\binx"},
        {"$PRISMOTH_TEST_UNSET.", "."},
        {"cost$", "cost$"},
        {"${open", "${open"},
        {"one\" two \"three", "one two three"},
    };
    for (const Case& c : cases) {
        char value[256];
        EXPECT_EQ(0, WordValue(c.raw, value, sizeof value)) << c.raw;
        EXPECT_STREQ(c.value, value) << c.raw;
    }
}

TEST(WordValue, ReportsTextThatDoesNotFit) {
    char value[4];
    EXPECT_EQ(1, WordValue("\"abcd\"", value, sizeof value));
    EXPECT_STREQ("abc", value);
    EXPECT_EQ(0, WordValue("abc", value, sizeof value));
}

TEST(ParseSelector, ReadsClassIdentifierAndText) {
    WindowSelector s;
    ASSERT_EQ(0, ParseSelector("@Button#103\"Next\"", &s));
    EXPECT_TRUE(s.hasClass && s.hasId && s.hasText);
    EXPECT_STREQ("Button", s.className);
    EXPECT_EQ(103, s.id);
    EXPECT_STREQ("Next", s.text);

    ASSERT_EQ(0, ParseSelector("@\"prismoth monitor\"", &s));
    EXPECT_STREQ("prismoth monitor", s.className);
    EXPECT_FALSE(s.hasId || s.hasText);

    ASSERT_EQ(0, ParseSelector("@#32770", &s)); // a class name may start with #
    EXPECT_STREQ("#32770", s.className);
    EXPECT_FALSE(s.hasId);

    ASSERT_EQ(0, ParseSelector("Next", &s)); // a bare word is a text
    EXPECT_TRUE(s.hasText && !s.hasClass && !s.hasId);
    EXPECT_STREQ("Next", s.text);

    ASSERT_EQ(0, ParseSelector("\"#103\"", &s)); // quoted: a text, not an id
    EXPECT_STREQ("#103", s.text);
    EXPECT_FALSE(s.hasId);
}

TEST(ParseSelector, RefusesEmptyAndBrokenParts) {
    WindowSelector s;
    EXPECT_EQ(1, ParseSelector("", &s));
    EXPECT_EQ(1, ParseSelector("#", &s));
    EXPECT_EQ(1, ParseSelector("#x", &s));
    EXPECT_EQ(1, ParseSelector("@", &s));
    EXPECT_EQ(1, ParseSelector("\"open", &s));
}

TEST(DescribeSelector, WritesTheSelectorBack) {
    WindowSelector s;
    ASSERT_EQ(0, ParseSelector("@edit#108", &s));
    char text[64];
    DescribeSelector(&s, text, sizeof text);
    EXPECT_STREQ("@edit#108", text);
    ASSERT_EQ(0, ParseSelector("\"Save Profile...\"", &s));
    DescribeSelector(&s, text, sizeof text);
    EXPECT_STREQ("\"Save Profile...\"", text);
}

} // namespace

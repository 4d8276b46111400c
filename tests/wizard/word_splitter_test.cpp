// The word splitter: blanks, quotes, the 2000-character word limit, the
// 100-slot table and the shared 4000-byte pool.
#include "wizard/word_splitter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> Split(const std::string& text) {
    int count = -1;
    char** words = nullptr;
    SplitWords(text.c_str(), &count, &words);
    return std::vector<std::string>(words, words + count);
}

TEST(IsBlankChar, TerminatorTabAndSpaceOnly) {
    EXPECT_EQ(1, IsBlankChar(0));
    EXPECT_EQ(1, IsBlankChar('\t'));
    EXPECT_EQ(1, IsBlankChar(' '));
    EXPECT_EQ(0, IsBlankChar('\n'));
    EXPECT_EQ(0, IsBlankChar('"'));
    EXPECT_EQ(0, IsBlankChar('a'));
}

TEST(SplitWords, Cases) {
    struct Case {
        const char* text;
        std::vector<std::string> words;
    } cases[] = {
        {"1 1 0", {"1", "1", "0"}},
        {" \"a b\" c", {"a b", "c"}},
        {"", {}},
        {" \t  ", {}},
        {"\t-1\t\t2x  ", {"-1", "2x"}},
        {"\"\" x", {"", "x"}}, // an empty quoted word counts
        {"\"open to the end", {"open to the end"}},
        {"a\"b c", {"a\"b", "c"}}, // a quote inside a word is a character
        {"\"a\"b", {"a", "b"}},    // the closing quote ends the word
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.words, Split(c.text)) << c.text;
}

TEST(SplitWords, CutsLongWordsAfter2000Characters) {
    const std::vector<std::string> words = Split(std::string(2003, 'w'));
    ASSERT_EQ(2u, words.size());
    EXPECT_EQ(2000u, words[0].size());
    EXPECT_EQ("www", words[1]);
}

TEST(SplitWords, StopsWhenTheTableIsFull) {
    std::string text;
    for (int i = 0; i < 150; ++i)
        text += std::to_string(i) + " ";
    const std::vector<std::string> words = Split(text);
    ASSERT_EQ(100u, words.size());
    EXPECT_EQ("99", words[99]);
}

TEST(SplitWords, DropsWordsBeyondThePool) {
    // Two words of 1999 characters and their terminators fill the pool exactly.
    const std::string word(1999, 'p');
    const std::vector<std::string> words = Split(word + " " + word + " " + word + " x");
    ASSERT_EQ(2u, words.size());
    EXPECT_EQ(word, words[1]);
}

TEST(SplitWords, EachCallStartsAfresh) {
    EXPECT_EQ(std::vector<std::string>({"a", "b", "c"}), Split("a b c"));
    EXPECT_EQ(std::vector<std::string>({"z"}), Split("z"));
}

} // namespace

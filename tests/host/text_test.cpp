#include <gtest/gtest.h>

#include "platform/text.h"

// "天气" in code page 936 is CC EC C6 F8: a search for "EC C6" must not match across the
// two characters, and one for "C6 F8" must match only as the whole second character.
TEST(TextRules, FindHonoursDoubleByteCharacters) {
  const Text weather = "\xCC\xEC\xC6\xF8";
  EXPECT_EQ(Find(weather, "\xEC\xC6"), 0);
  EXPECT_EQ(Find(weather, "\xC6\xF8"), 3);
  EXPECT_EQ(Find("a\xCC" "abab", "ab"), 5) << "'a' after a lead byte is its trail byte";
  EXPECT_EQ(Find(weather + "x", "x", 2), 5) << "a start inside a character skips its trail byte";
}

TEST(TextRules, FindPositionsAndCase) {
  struct Case { const char* text; const char* what; int start; bool ignoreCase; int expected; };
  const Case cases[] = {
      {"abcabc", "c", 1, false, 3},   {"abcabc", "c", 4, false, 6},
      {"abcabc", "c", 0, false, 3},   {"abcabc", "c", -5, false, 3},
      {"abcabc", "x", 1, false, 0},   {"abcabc", "", 1, false, 1},
      {"", "", 1, false, 0},          {"", "a", 1, false, 0},
      {"Set-Cookie", "set-COOKIE", 1, true, 1}, {"Set-Cookie", "set-cookie", 1, false, 0},
      {"abc", "c", 9, false, 0},
  };
  for (const Case& c : cases)
    EXPECT_EQ(Find(c.text, c.what, c.start, c.ignoreCase), c.expected)
        << c.text << " / " << c.what << " from " << c.start;
  // Case folding is ASCII only: the bytes of a Chinese character are never folded.
  EXPECT_EQ(Find("\xC1\xC1", "\xC1\xC1", 1, true), 1);
  EXPECT_EQ(Find("\xC1\xC1", "\xE1\xC1", 1, true), 0);
}

TEST(TextRules, ReplaceSplitJoin) {
  EXPECT_EQ(ReplaceAll("a\"b\"c", "\"", "'"), "a'b'c");
  EXPECT_EQ(ReplaceAll("aaa", "aa", "b"), "ba");
  EXPECT_EQ(ReplaceAll("abc", "", "x"), "abc");
  using V = std::vector<Text>;
  EXPECT_EQ(Split("", "; "), V{});
  EXPECT_EQ(Split("a; b; ", "; "), (V{"a", "b"}));
  EXPECT_EQ(Split("a; ; b", "; "), (V{"a", "", "b"}));
  EXPECT_EQ(Split("a\r\nb\r\n\r\n", "\r\n"), (V{"a", "b", ""}));
  EXPECT_EQ(Split("3~12~9", "~"), (V{"3", "12", "9"}));
  EXPECT_EQ(Join({"a", "", "b"}, "; "), "a; ; b");
}

TEST(TextRules, TrimRemovesAsciiAndIdeographicSpaces) {
  EXPECT_EQ(Trim("  a b  "), "a b");
  EXPECT_EQ(Trim("\xA1\xA1 x\xA1\xA1 "), "x");
  EXPECT_EQ(Trim("\t x"), "\t x") << "only spaces, not tabs";
  EXPECT_EQ(Trim("\xB0\xA1\xA1\xA1"), "\xB0\xA1") << "B0 A1 is a character; the A1 A1 after it is a space";
  EXPECT_EQ(Trim("\xA1\xA1\xA1"), "\xA1") << "the leading A1 A1 is a space; the lone A1 left is not";
  EXPECT_EQ(Trim("   "), "");
}

TEST(TextRules, LeftRightMidWithShortAndNonPositiveLengths) {
  EXPECT_EQ(Left("abc", 2), "ab");
  EXPECT_EQ(Left("abc", 0), "");
  EXPECT_EQ(Left("abc", -1), "");
  EXPECT_EQ(Left("abc", 9), "abc");
  EXPECT_EQ(Right("abc", 2), "bc");
  EXPECT_EQ(Right("abc", 0), "");
  EXPECT_EQ(Right("abc", 9), "abc");
  EXPECT_EQ(Mid("abcdef", 2, 3), "bcd");
  EXPECT_EQ(Mid("abcdef", 5, 9), "ef");
  EXPECT_EQ(Mid("abcdef", 2, 0), "");
  EXPECT_EQ(Mid("abcdef", 9, 2), "");
}

TEST(TextRules, LeadingInteger) {
  EXPECT_EQ(LeadingInteger("16"), 16);
  EXPECT_EQ(LeadingInteger("53abc"), 53);
  EXPECT_EQ(LeadingInteger("-2"), -2);
  EXPECT_EQ(LeadingInteger("JS"), 0);
  EXPECT_EQ(LeadingInteger(""), 0);
}

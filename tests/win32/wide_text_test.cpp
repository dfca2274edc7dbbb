// The widget's texts are code page 936 bytes and are drawn through the wide-character API:
// the conversions must name code page 936 themselves, so these hold whatever ANSI code
// page the run has (LC_ALL=zh_CN.UTF-8 gives 936, en_US.UTF-8 gives 1252).
#include <gtest/gtest.h>

#include <string>

#include "platform/win32/wide_text.h"

namespace {

struct Pair {
  const char* what;
  Text text;
  std::wstring wide;
};

TEST(WideText, Code936AndUtf16ConvertBothWays) {
  const Pair pairs[] = {
      {"empty", "", L""},
      {"two hanzi", "\xCC\xEC\xC6\xF8", L"\x5929\x6C14"},
      {"hanzi among ASCII", "a\xCC\xEC\xC6\xF8 9", L"a\x5929\x6C14 9"},
  };
  for (const Pair& pair : pairs) {
    SCOPED_TRACE(pair.what);
    EXPECT_EQ(platform::WideFromText(pair.text), pair.wide);
    EXPECT_EQ(platform::TextFromWide(pair.wide), pair.text);
  }
}

TEST(WideText, SourceLiteralsArriveAsCode936) {
  // Every translation unit is compiled with -fexec-charset=CP936.
  EXPECT_EQ(Text("天气"), "\xCC\xEC\xC6\xF8");
  EXPECT_EQ(platform::WideFromText("天气"), L"\x5929\x6C14");
}

}  // namespace

#include "platform/text.h"

#include <algorithm>
#include <cctype>

bool IsLeadByte(unsigned char b) { return b >= 0x81 && b <= 0xFE; }

namespace {

char FoldAscii(char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; }

bool MatchesAt(const Text& text, std::size_t at, const Text& what, bool ignoreCase) {
  if (at + what.size() > text.size()) return false;
  for (std::size_t i = 0; i < what.size(); ++i) {
    char a = text[at + i], b = what[i];
    if (ignoreCase ? FoldAscii(a) != FoldAscii(b) : a != b) return false;
  }
  return true;
}

}  // namespace

int Find(const Text& text, const Text& what, int start, bool ignoreCase) {
  if (text.empty()) return 0;
  std::size_t from = start <= 1 ? 0 : std::size_t(start - 1);
  if (from >= text.size()) return 0;
  // Walk character by character from the beginning so the start of every double-byte
  // character is known; a start position inside one skips its trail byte.
  std::size_t i = 0;
  while (i < text.size()) {
    bool lead = IsLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size();
    if (i >= from && MatchesAt(text, i, what, ignoreCase)) return int(i + 1);
    i += lead ? 2 : 1;
  }
  return 0;
}

bool Contains(const Text& text, const Text& what, bool ignoreCase) {
  return Find(text, what, 1, ignoreCase) != 0;
}

Text ReplaceAll(const Text& text, const Text& what, const Text& with) {
  if (what.empty() || text.empty()) return text;
  Text out;
  int from = 1;
  for (;;) {
    int at = Find(text, what, from);
    if (at == 0) break;
    out.append(text, std::size_t(from - 1), std::size_t(at - from));
    out += with;
    from = at + int(what.size());
  }
  out.append(text, std::size_t(from - 1), Text::npos);
  return out;
}

std::vector<Text> Split(const Text& text, const Text& delimiter) {
  std::vector<Text> items;
  if (text.empty()) return items;
  if (delimiter.empty()) return {text};
  int from = 1;
  for (;;) {
    int at = Find(text, delimiter, from);
    if (at == 0) break;
    items.push_back(text.substr(std::size_t(from - 1), std::size_t(at - from)));
    from = at + int(delimiter.size());
  }
  Text last = text.substr(std::size_t(from - 1));
  if (!last.empty()) items.push_back(last);
  return items;
}

Text Join(const std::vector<Text>& items, const Text& delimiter) {
  Text out;
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (i) out += delimiter;
    out += items[i];
  }
  return out;
}

Text Trim(const Text& text) {
  // Walk whole characters so that an A1 that is the trail byte of another character is
  // never taken for half of an ideographic space.
  std::vector<std::size_t> starts;
  for (std::size_t i = 0; i < text.size();) {
    starts.push_back(i);
    i += (IsLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size()) ? 2 : 1;
  }
  auto isSpace = [&](std::size_t k) {
    std::size_t at = starts[k];
    std::size_t len = (k + 1 < starts.size() ? starts[k + 1] : text.size()) - at;
    return (len == 1 && text[at] == ' ') || (len == 2 && text.compare(at, 2, "\xA1\xA1") == 0);
  };
  std::size_t first = 0, last = starts.size();
  while (first < last && isSpace(first)) ++first;
  while (last > first && isSpace(last - 1)) --last;
  if (first == last) return {};
  std::size_t b = starts[first], e = last < starts.size() ? starts[last] : text.size();
  return text.substr(b, e - b);
}

Text Left(const Text& text, int length) {
  if (length <= 0) return {};
  return text.substr(0, std::size_t(length));
}

Text Right(const Text& text, int length) {
  if (length <= 0) return {};
  std::size_t n = std::min<std::size_t>(std::size_t(length), text.size());
  return text.substr(text.size() - n);
}

Text Mid(const Text& text, int start, int length) {
  if (length <= 0) return {};
  std::size_t from = start <= 1 ? 0 : std::size_t(start - 1);
  if (from >= text.size()) return {};
  return text.substr(from, std::size_t(length));
}

Text AsciiLower(const Text& text) {
  Text out = text;
  for (char& c : out) c = FoldAscii(c);
  return out;
}

Text AsciiUpper(const Text& text) {
  Text out = text;
  for (char& c : out)
    if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
  return out;
}

long long LeadingInteger(const Text& text) {
  std::size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  long long value = 0;
  bool any = false;
  while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
    if (value < 100000000000000000LL) value = value * 10 + (text[i] - '0');
    ++i;
    any = true;
  }
  if (!any) return 0;
  return negative ? -value : value;
}

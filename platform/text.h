// Text: the byte string every caption, literal and scraped piece is held in (code page 936),
// and the text rules the whole widget relies on. Positions are 1-based byte positions;
// 0 means "not found".
#pragma once

#include <cstdint>
#include <string>
#include <vector>

using Text = std::string;
using Bytes = std::vector<std::uint8_t>;

// True when byte b opens a double-byte character of code page 936.
bool IsLeadByte(unsigned char b);

// First occurrence of `what` in `text` at or after `start` (1 or less: the beginning).
// A match never begins on the second byte of a double-byte character. An empty `what`
// is found at position 1 of any non-empty text. `ignoreCase` folds ASCII letters only.
int Find(const Text& text, const Text& what, int start = 1, bool ignoreCase = false);
bool Contains(const Text& text, const Text& what, bool ignoreCase = false);

Text ReplaceAll(const Text& text, const Text& what, const Text& with);

// No items for an empty text; a trailing empty piece is dropped, inner empty pieces kept.
std::vector<Text> Split(const Text& text, const Text& delimiter);
Text Join(const std::vector<Text>& items, const Text& delimiter);

// Removes ASCII spaces and the ideographic space (A1 A1) at both ends.
Text Trim(const Text& text);

// Length 0 or less gives an empty text; lengths past the end stop at the end.
Text Left(const Text& text, int length);
Text Right(const Text& text, int length);
Text Mid(const Text& text, int start, int length);  // start is 1-based

Text AsciiLower(const Text& text);
Text AsciiUpper(const Text& text);

// Leading decimal integer of a text (optional sign); 0 when it does not begin with one.
long long LeadingInteger(const Text& text);

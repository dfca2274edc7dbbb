#include "platform/seven_segment.h"

#include <algorithm>
#include <cstring>

namespace {

// Proportions of one digit, as fractions of the digit's height.
constexpr double kDigitToFont = 0.72;  // digits of an LCD face fill about its cap height
constexpr double kWidth = 0.52;
constexpr double kThickness = 0.14;
constexpr double kGap = 0.025;         // the thin seam between neighbouring segments
constexpr double kSpacing = 0.14;      // between characters
constexpr double kNarrowWidth = 0.22;  // ':' and '.'
constexpr double kSlant = 0.06;        // rightward lean per unit of height

// Segments a..g as bits 0..6: a top, b upper right, c lower right, d bottom, e lower left,
// f upper left, g middle.
constexpr unsigned char kDigitSegments[10] = {
    0x3F, 0x06, 0x5B, 0x4F, 0x66, 0x6D, 0x7D, 0x07, 0x7F, 0x6F,
};
constexpr unsigned char kMinusSegments = 0x40;

bool IsNarrow(char c) { return c == ':' || c == '.'; }
double CellWidth(char c) { return IsNarrow(c) ? kNarrowWidth : kWidth; }

// A horizontal bar with pointed ends between the centre lines x0 and x1, at height y.
Outline HorizontalBar(double x0, double x1, double y) {
  const double t = kThickness / 2;
  x0 += kGap;
  x1 -= kGap;
  return {{x0, y}, {x0 + t, y - t}, {x1 - t, y - t}, {x1, y}, {x1 - t, y + t}, {x0 + t, y + t}};
}

Outline VerticalBar(double x, double y0, double y1) {
  const double t = kThickness / 2;
  y0 += kGap;
  y1 -= kGap;
  return {{x, y0}, {x + t, y0 + t}, {x + t, y1 - t}, {x, y1}, {x - t, y1 - t}, {x - t, y0 + t}};
}

Outline Square(double cx, double cy) {
  const double t = kThickness / 2;
  return {{cx - t, cy - t}, {cx + t, cy - t}, {cx + t, cy + t}, {cx - t, cy + t}};
}

// The shapes of one character in a unit-height cell whose left edge is at x.
void AddCharacter(char c, double x, std::vector<Outline>& out) {
  const double t = kThickness / 2;
  const double left = x + t, right = x + kWidth - t;
  const double top = t, middle = 0.5, bottom = 1 - t;
  if (c == ':') {
    out.push_back(Square(x + kNarrowWidth / 2, 0.3));
    out.push_back(Square(x + kNarrowWidth / 2, 0.72));
    return;
  }
  if (c == '.') {
    out.push_back(Square(x + kNarrowWidth / 2, bottom));
    return;
  }
  unsigned segments = 0;
  if (c >= '0' && c <= '9') segments = kDigitSegments[c - '0'];
  if (c == '-') segments = kMinusSegments;
  if (segments & 0x01) out.push_back(HorizontalBar(left, right, top));
  if (segments & 0x02) out.push_back(VerticalBar(right, top, middle));
  if (segments & 0x04) out.push_back(VerticalBar(right, middle, bottom));
  if (segments & 0x08) out.push_back(HorizontalBar(left, right, bottom));
  if (segments & 0x10) out.push_back(VerticalBar(left, middle, bottom));
  if (segments & 0x20) out.push_back(VerticalBar(left, top, middle));
  if (segments & 0x40) out.push_back(HorizontalBar(left, right, middle));
}

}  // namespace

bool SevenSegmentCanShow(const Text& text) {
  return std::all_of(text.begin(), text.end(), [](char c) {
    return (c >= '0' && c <= '9') || std::strchr(":-. ", c) != nullptr;
  });
}

std::vector<Outline> SevenSegmentShapes(const Text& text, int boxWidth, int boxHeight,
                                        int fontHeight, TextAlign align) {
  std::vector<Outline> shapes;
  double rowWidth = 0;  // in units of the digit height
  for (char c : text) {
    if (rowWidth > 0) rowWidth += kSpacing;
    AddCharacter(c, rowWidth, shapes);
    rowWidth += CellWidth(c);
  }
  if (shapes.empty() || boxWidth <= 0 || boxHeight <= 0) return {};
  const double leaningWidth = rowWidth + kSlant;  // the top leans out past the last cell
  double height = fontHeight * kDigitToFont;
  height = std::min({height, double(boxHeight), boxWidth / leaningWidth});
  const double width = leaningWidth * height;
  double originX = 0;
  if (align == TextAlign::Centre) originX = (boxWidth - width) / 2;
  if (align == TextAlign::Right) originX = boxWidth - width;
  const double originY = (boxHeight - height) / 2;
  for (Outline& polygon : shapes) {
    for (PointF& p : polygon) {
      p.x = originX + (p.x + (1 - p.y) * kSlant) * height;
      p.y = originY + p.y * height;
    }
  }
  return shapes;
}

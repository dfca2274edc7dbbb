#include "platform/image.h"

#include <algorithm>

#include "platform/image_formats.h"

namespace image_formats {

bool SizeAcceptable(std::int64_t width, std::int64_t height) {
  return width > 0 && height > 0 && width <= kMaxSide && height <= kMaxSide &&
         width * height <= kMaxPixels;
}

Image BlankStill(int width, int height) {
  Image image;
  image.width = width;
  image.height = height;
  image.frames.emplace_back();
  image.frames.back().bgra.assign(std::size_t(width) * std::size_t(height) * 4, 0);
  return image;
}

}  // namespace image_formats

namespace {

using image_formats::ByteView;

bool StartsWith(ByteView bytes, std::initializer_list<std::uint8_t> signature) {
  return bytes.size() >= signature.size() &&
         std::equal(signature.begin(), signature.end(), bytes.begin());
}

}  // namespace

// The format is told by its signature, never by what the sender claims it to be.
Image DecodeImage(const Bytes& encoded) {
  using namespace image_formats;
  const ByteView bytes(encoded);
  try {
    if (HasPngSignature(bytes)) return DecodePng(bytes);
    if (StartsWith(bytes, {0xFF, 0xD8, 0xFF})) return DecodeJpeg(bytes);
    if (StartsWith(bytes, {'G', 'I', 'F', '8', '7', 'a'}) ||
        StartsWith(bytes, {'G', 'I', 'F', '8', '9', 'a'}))
      return DecodeGif(bytes);
    if (StartsWith(bytes, {'B', 'M'})) return DecodeBmp(bytes);
    // Icons (type 1) and cursors (type 2) share one container.
    if (StartsWith(bytes, {0, 0, 1, 0}) || StartsWith(bytes, {0, 0, 2, 0})) return DecodeIco(bytes);
  } catch (...) {
    // Out of memory for an otherwise acceptable picture: no picture rather than no widget.
  }
  return {};
}

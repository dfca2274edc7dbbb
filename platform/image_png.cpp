// PNG through libpng's simplified reading interface, which handles every colour type,
// bit depth and interlacing and reports broken data as a failed call.
#include <png.h>

#include "platform/image_formats.h"

namespace image_formats {

namespace {

// Releases what libpng holds for a read that stops early; harmless after a finished read.
struct PngRead {
  png_image image{};
  PngRead() { image.version = PNG_IMAGE_VERSION; }
  ~PngRead() { png_image_free(&image); }
  PngRead(const PngRead&) = delete;
  PngRead& operator=(const PngRead&) = delete;
};

}  // namespace

bool HasPngSignature(ByteView bytes) {
  return bytes.size() >= 8 && png_sig_cmp(bytes.data(), 0, 8) == 0;
}

Image DecodePng(ByteView bytes) {
  PngRead read;
  if (!png_image_begin_read_from_memory(&read.image, bytes.data(), bytes.size())) return {};
  if (!SizeAcceptable(read.image.width, read.image.height)) return {};
  read.image.format = PNG_FORMAT_BGRA;

  Image image = BlankStill(int(read.image.width), int(read.image.height));
  if (!png_image_finish_read(&read.image, nullptr, image.frames[0].bgra.data(), 0, nullptr))
    return {};
  return image;
}

}  // namespace image_formats

// libFuzzer target for picture decoding: any bytes, as a fetched weather icon may bring,
// must decode to a whole image or to nothing, without a crash, a read outside the bytes
// or undefined behaviour. Built and run by scripts/fuzz.sh.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "platform/image.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const Image image = DecodeImage(Bytes(data, data + size));
  if (image.Empty()) {
    if (image.width != 0 || image.height != 0) std::abort();
    return 0;
  }
  if (image.width <= 0 || image.height <= 0) std::abort();
  const std::size_t frameBytes = std::size_t(image.width) * std::size_t(image.height) * 4;
  for (const ImageFrame& frame : image.frames)
    if (frame.bgra.size() != frameBytes || frame.delayMs < 0) std::abort();
  return 0;
}

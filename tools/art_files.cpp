#include "tools/art_files.h"

#include <fcntl.h>
#include <gif_lib.h>
#include <png.h>
#include <unistd.h>

#include <memory>

bool WritePng(const std::string& path, const Picture& picture) {
  std::vector<png_byte> rgba;
  rgba.reserve(picture.pixels.size() * 4);
  for (const Rgb& c : picture.pixels) rgba.insert(rgba.end(), {c.r, c.g, c.b, 0xFF});

  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = png_uint_32(picture.width);
  image.height = png_uint_32(picture.height);
  image.format = PNG_FORMAT_RGBA;
  const bool written = png_image_write_to_file(&image, path.c_str(), 0, rgba.data(),
                                               picture.width * 4, nullptr) != 0;
  png_image_free(&image);
  return written;
}

namespace {

struct GifCloser {
  void operator()(GifFileType* gif) const {
    int error = 0;
    EGifCloseFile(gif, &error);
  }
};

struct MapFreer {
  void operator()(ColorMapObject* map) const { GifFreeMapObject(map); }
};

// The colour table of a GIF holds a power of two entries, 2 to 256.
int TableSize(std::size_t colours) {
  int size = 2;
  while (std::size_t(size) < colours) size *= 2;
  return size;
}

bool PutLoopForever(GifFileType* gif) {
  static const GifByteType kApplication[] = "NETSCAPE2.0";
  static const GifByteType kLoopCountZero[] = {1, 0, 0};  // sub-block 1, count 0: forever
  return EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE) == GIF_OK &&
         EGifPutExtensionBlock(gif, 11, kApplication) == GIF_OK &&
         EGifPutExtensionBlock(gif, sizeof kLoopCountZero, kLoopCountZero) == GIF_OK &&
         EGifPutExtensionTrailer(gif) == GIF_OK;
}

bool PutFrame(GifFileType* gif, const Animation& animation, const Animation::Frame& frame) {
  GraphicsControlBlock control{};
  control.DisposalMode = DISPOSE_DO_NOT;
  control.DelayTime = frame.delayCentiseconds;
  control.TransparentColor = NO_TRANSPARENT_COLOR;
  GifByteType extension[4];
  const std::size_t length = EGifGCBToExtension(&control, extension);
  if (EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, int(length), extension) != GIF_OK ||
      EGifPutImageDesc(gif, 0, 0, animation.width, animation.height, false, nullptr) != GIF_OK)
    return false;
  std::vector<GifPixelType> row(std::size_t(animation.width));
  for (int y = 0; y < animation.height; ++y) {
    const auto first = frame.indices.begin() + std::ptrdiff_t(y) * animation.width;
    row.assign(first, first + animation.width);
    if (EGifPutLine(gif, row.data(), animation.width) != GIF_OK) return false;
  }
  return true;
}

}  // namespace

bool WriteGif(const std::string& path, const Animation& animation) {
  const int tableSize = TableSize(animation.palette.size());
  std::vector<GifColorType> colours(std::size_t(tableSize), GifColorType{0, 0, 0});
  for (std::size_t i = 0; i < animation.palette.size(); ++i)
    colours[i] = {animation.palette[i].r, animation.palette[i].g, animation.palette[i].b};
  std::unique_ptr<ColorMapObject, MapFreer> map(GifMakeMapObject(tableSize, colours.data()));

  // Opened here rather than by giflib, which would make the file readable by its owner only.
  const int file = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (file < 0) return false;
  int error = 0;
  std::unique_ptr<GifFileType, GifCloser> gif(EGifOpenFileHandle(file, &error));
  if (!gif) close(file);
  if (!gif || !map) return false;
  EGifSetGifVersion(gif.get(), true);
  if (EGifPutScreenDesc(gif.get(), animation.width, animation.height, 8, 0, map.get()) !=
          GIF_OK ||
      !PutLoopForever(gif.get()))
    return false;
  for (const Animation::Frame& frame : animation.frames)
    if (!PutFrame(gif.get(), animation, frame)) return false;
  return EGifCloseFile(gif.release(), &error) == GIF_OK;
}

// GIF pictures and animations. giflib is read record by record rather than slurped
// whole, so every frame's size is checked against the limits before its pixels are
// decoded, and only one canvas is kept while the frames are composed.
//
// Frames are composed as browsers show them: the canvas is the logical screen (grown to
// hold the first frame when the screen is declared smaller), starts transparent, and each
// frame is drawn at its offset with its own or the global colour map, skipping its
// transparent index. Before the next frame is drawn, the previous one is disposed of as
// its graphic control block says: left in place (0, 1), its rectangle cleared to
// transparent (2), or the canvas restored to what it was before that frame (3).
#include <gif_lib.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>

#include "platform/image_formats.h"

namespace image_formats {

namespace {

// Delays of 0 and 1 hundredths of a second are what many files carry when they mean
// "as fast as possible" or nothing at all; browsers show such frames for 100 ms, and so
// does the picture box, so these animations do not race.
constexpr int kShortestDelayMs = 20;
constexpr int kDelayForTooShortMs = 100;

constexpr GraphicsControlBlock kNoControl = {DISPOSAL_UNSPECIFIED, false, 0, NO_TRANSPARENT_COLOR};

struct MemoryInput {
  ByteView bytes;
  std::size_t position = 0;
};

int ReadInput(GifFileType* gif, GifByteType* out, int wanted) {
  auto* input = static_cast<MemoryInput*>(gif->UserData);
  const std::size_t count = std::min<std::size_t>(wanted > 0 ? std::size_t(wanted) : 0,
                                                  input->bytes.size() - input->position);
  std::memcpy(out, input->bytes.data() + input->position, count);
  input->position += count;
  return int(count);
}

struct GifCloser {
  void operator()(GifFileType* gif) const {
    int error = 0;
    DGifCloseFile(gif, &error);
  }
};

struct Rect {
  int left = 0, top = 0, right = 0, bottom = 0;
};

struct Ink {
  std::array<std::uint8_t, 4> bgra{};
  bool drawn = false;
};

int DelayMs(const GraphicsControlBlock& control) {
  const int ms = control.DelayTime * 10;
  return ms < kShortestDelayMs ? kDelayForTooShortMs : ms;
}

// Row `i` of the decoded order of an interlaced frame: every 8th row from 0, every 8th
// from 4, every 4th from 2, every 2nd from 1.
int InterlacedRow(int i, int height) {
  static constexpr int kStart[] = {0, 4, 2, 1};
  static constexpr int kStep[] = {8, 8, 4, 2};
  for (int pass = 0; pass < 4; ++pass) {
    const int rows =
        height > kStart[pass] ? (height - kStart[pass] + kStep[pass] - 1) / kStep[pass] : 0;
    if (i < rows) return kStart[pass] + i * kStep[pass];
    i -= rows;
  }
  return height;  // past the frame: not drawn
}

class Composer {
 public:
  explicit Composer(GifFileType* gif) : gif_(gif) {}

  // Reads one frame's descriptor and pixels and adds the composed frame.
  bool AddFrame(const GraphicsControlBlock& control) {
    if (DGifGetImageDesc(gif_) == GIF_ERROR) return false;
    const GifImageDesc& desc = gif_->Image;
    if (image_.frames.empty() && !StartCanvas(desc)) return false;

    const std::int64_t canvasPixels = std::int64_t(image_.width) * image_.height;
    const std::int64_t frameCount = std::int64_t(image_.frames.size()) + 1;
    decodedPixels_ += std::int64_t(desc.Width) * desc.Height;
    if (frameCount > kMaxFrames || frameCount * canvasPixels > kMaxAnimationPixels ||
        decodedPixels_ > kMaxAnimationPixels)
      return false;
    const ColorMapObject* colours = desc.ColorMap ? desc.ColorMap : gif_->SColorMap;
    if (!colours) return false;

    DisposePrevious();
    if (control.DisposalMode == DISPOSE_PREVIOUS) saved_ = canvas_;
    if (!DrawPixels(desc, *colours, control.TransparentColor)) return false;

    image_.frames.push_back({canvas_, DelayMs(control)});
    previousDisposal_ = control.DisposalMode;
    previousRect_ = Clip(desc);
    return true;
  }

  Image Finish() {
    if (image_.frames.size() == 1) image_.frames[0].delayMs = 0;  // a still picture
    return std::move(image_);
  }

  bool HasFrames() const { return !image_.frames.empty(); }

 private:
  bool StartCanvas(const GifImageDesc& desc) {
    const std::int64_t width =
        std::max<std::int64_t>(gif_->SWidth, std::int64_t(desc.Left) + desc.Width);
    const std::int64_t height =
        std::max<std::int64_t>(gif_->SHeight, std::int64_t(desc.Top) + desc.Height);
    if (!SizeAcceptable(width, height)) return false;
    image_.width = int(width);
    image_.height = int(height);
    canvas_.assign(std::size_t(width * height * 4), 0);
    return true;
  }

  Rect Clip(const GifImageDesc& desc) const {
    return {std::min(desc.Left, image_.width), std::min(desc.Top, image_.height),
            std::min(desc.Left + desc.Width, image_.width),
            std::min(desc.Top + desc.Height, image_.height)};
  }

  void DisposePrevious() {
    if (previousDisposal_ == DISPOSE_BACKGROUND) {
      const Rect& r = previousRect_;
      for (int y = r.top; y < r.bottom; ++y)
        std::memset(Pixel(r.left, y), 0, std::size_t(r.right - r.left) * 4);
    } else if (previousDisposal_ == DISPOSE_PREVIOUS) {
      canvas_.swap(saved_);
    }
  }

  bool DrawPixels(const GifImageDesc& desc, const ColorMapObject& colours, int transparent) {
    if (desc.Width == 0 || desc.Height == 0) return SkipPixels();
    std::array<Ink, 256> inks{};  // indices past the colour map stay undrawn, like transparency
    const int count = std::clamp(colours.ColorCount, 0, 256);
    for (int i = 0; i < count; ++i) {
      if (i == transparent) continue;
      const GifColorType& c = colours.Colors[i];
      inks[i] = {{c.Blue, c.Green, c.Red, 255}, true};
    }

    const Rect clip = Clip(desc);
    std::vector<GifPixelType> row(std::size_t(desc.Width));
    for (int i = 0; i < desc.Height; ++i) {
      if (DGifGetLine(gif_, row.data(), desc.Width) == GIF_ERROR) return false;
      const int y = desc.Top + (desc.Interlace ? InterlacedRow(i, desc.Height) : i);
      if (y >= clip.bottom) continue;
      std::uint8_t* out = Pixel(clip.left, y);
      for (int x = clip.left; x < clip.right; ++x, out += 4) {
        const Ink& ink = inks[row[std::size_t(x - desc.Left)]];
        if (ink.drawn) std::memcpy(out, ink.bgra.data(), 4);
      }
    }
    return true;
  }

  // A frame without area still carries its (empty) block of compressed data.
  bool SkipPixels() {
    int codeSize = 0;
    GifByteType* block = nullptr;
    if (DGifGetCode(gif_, &codeSize, &block) == GIF_ERROR) return false;
    while (block)
      if (DGifGetCodeNext(gif_, &block) == GIF_ERROR) return false;
    return true;
  }

  std::uint8_t* Pixel(int x, int y) {
    return canvas_.data() + (std::size_t(y) * std::size_t(image_.width) + std::size_t(x)) * 4;
  }

  GifFileType* gif_;
  Image image_;
  std::vector<std::uint8_t> canvas_;
  std::vector<std::uint8_t> saved_;
  int previousDisposal_ = DISPOSAL_UNSPECIFIED;
  Rect previousRect_;
  std::int64_t decodedPixels_ = 0;
};

// Extensions other than the graphic control block (comments, the looping block) are
// skipped; a control block applies to the next frame only.
bool ReadExtension(GifFileType* gif, GraphicsControlBlock& control) {
  int code = 0;
  GifByteType* block = nullptr;
  if (DGifGetExtension(gif, &code, &block) == GIF_ERROR) return false;
  if (code == GRAPHICS_EXT_FUNC_CODE && block && block[0] >= 4)
    DGifExtensionToGCB(4, block + 1, &control);
  while (block)
    if (DGifGetExtensionNext(gif, &block) == GIF_ERROR) return false;
  return true;
}

}  // namespace

Image DecodeGif(ByteView bytes) {
  MemoryInput input{bytes};
  int error = 0;
  const std::unique_ptr<GifFileType, GifCloser> gif(DGifOpen(&input, ReadInput, &error));
  if (!gif) return {};

  Composer composer(gif.get());
  GraphicsControlBlock control = kNoControl;
  for (;;) {
    GifRecordType type = UNDEFINED_RECORD_TYPE;
    if (DGifGetRecordType(gif.get(), &type) == GIF_ERROR) {
      // Many files end right after their last frame without the trailer byte.
      if (input.position == bytes.size() && composer.HasFrames()) break;
      return {};
    }
    if (type == TERMINATE_RECORD_TYPE) break;
    if (type == IMAGE_DESC_RECORD_TYPE) {
      if (!composer.AddFrame(control)) return {};
      control = kNoControl;
    } else if (type == EXTENSION_RECORD_TYPE) {
      if (!ReadExtension(gif.get(), control)) return {};
    } else {
      return {};
    }
  }
  if (!composer.HasFrames()) return {};
  return composer.Finish();
}

}  // namespace image_formats

// JPEG through libjpeg(-turbo), straight into B, G, R, A order.
//
// libjpeg reports an error by calling error_exit, which must not return: it jumps back to
// a landing point set with setjmp. Each libjpeg stage runs in its own small function that
// sets that point and holds no C++ object, so a jump only ever crosses C frames; the
// decompressor itself lives in an object whose destructor releases it.
#include <csetjmp>
#include <cstdio>
#include <limits>

// In this order: jpeglib.h needs FILE and size_t declared, and its configuration decides
// which messages jerror.h declares.
#include <jpeglib.h>
#include <jerror.h>

#include "platform/image_formats.h"

namespace image_formats {

namespace {

// Progressive data may hold any number of scans, each a full pass over the picture;
// real pictures use a dozen or so.
constexpr int kMaxScans = 100;

struct JpegErrors {
  jpeg_error_mgr manager;  // first, so libjpeg's pointer to it is a pointer to the whole
  std::jmp_buf landing;
};

[[noreturn]] void JumpToLanding(j_common_ptr info) {
  std::longjmp(reinterpret_cast<JpegErrors*>(info->err)->landing, 1);
}

// Warnings that mean pixels were lost (data cut short, corrupt entropy-coded data) fail
// the picture instead of showing grey or garbled rows; the harmless ones (stray bytes
// between markers, odd progression, unknown JFIF revision) are ignored. Nothing is
// printed.
void OnMessage(j_common_ptr info, int level) {
  if (level >= 0) return;
  switch (info->err->msg_code) {
    case JWRN_JPEG_EOF:
    case JWRN_HIT_MARKER:
    case JWRN_HUFF_BAD_CODE:
#if JPEG_LIB_VERSION >= 70 || defined(C_ARITH_CODING_SUPPORTED) || defined(D_ARITH_CODING_SUPPORTED)
    case JWRN_ARITH_BAD_CODE:
#endif
    case JWRN_MUST_RESYNC:
      JumpToLanding(info);
    default:
      break;
  }
}

void PrintNothing(j_common_ptr) {}

void LimitScans(j_common_ptr info) {
  if (reinterpret_cast<j_decompress_ptr>(info)->input_scan_number > kMaxScans) JumpToLanding(info);
}

struct JpegRead {
  jpeg_decompress_struct info{};
  JpegErrors errors{};
  jpeg_progress_mgr progress{};
  JpegRead() {
    info.err = jpeg_std_error(&errors.manager);
    errors.manager.error_exit = JumpToLanding;
    errors.manager.emit_message = OnMessage;
    errors.manager.output_message = PrintNothing;
    progress.progress_monitor = LimitScans;
  }
  // Safe after a failed or partial creation: libjpeg checks what it allocated.
  ~JpegRead() { jpeg_destroy_decompress(&info); }
  JpegRead(const JpegRead&) = delete;
  JpegRead& operator=(const JpegRead&) = delete;
};

bool ReadHeader(JpegRead& read, ByteView bytes) {
  if (setjmp(read.errors.landing)) return false;
  jpeg_create_decompress(&read.info);
  read.info.progress = &read.progress;
  jpeg_mem_src(&read.info, bytes.data(), static_cast<unsigned long>(bytes.size()));
  return jpeg_read_header(&read.info, TRUE) == JPEG_HEADER_OK;
}

bool StartDecompress(JpegRead& read) {
  if (setjmp(read.errors.landing)) return false;
  read.info.out_color_space = JCS_EXT_BGRA;
  return jpeg_start_decompress(&read.info) != FALSE;
}

bool ReadRows(JpegRead& read, std::uint8_t* pixels) {
  if (setjmp(read.errors.landing)) return false;
  const std::size_t stride = std::size_t(read.info.output_width) * 4;
  while (read.info.output_scanline < read.info.output_height) {
    JSAMPROW row = pixels + read.info.output_scanline * stride;
    if (jpeg_read_scanlines(&read.info, &row, 1) != 1) return false;
  }
  return true;
}

}  // namespace

Image DecodeJpeg(ByteView bytes) {
  // libjpeg takes the length as an unsigned long, which is 32 bits on Windows.
  if constexpr (sizeof(std::size_t) > sizeof(unsigned long)) {
    if (bytes.size() > std::numeric_limits<unsigned long>::max()) return {};
  }
  JpegRead read;
  if (!ReadHeader(read, bytes)) return {};
  if (!SizeAcceptable(read.info.image_width, read.info.image_height)) return {};
  if (!StartDecompress(read)) return {};
  if (read.info.output_width != read.info.image_width ||
      read.info.output_height != read.info.image_height || read.info.output_components != 4)
    return {};

  Image image = BlankStill(int(read.info.output_width), int(read.info.output_height));
  if (!ReadRows(read, image.frames[0].bgra.data())) return {};
  return image;
}

}  // namespace image_formats

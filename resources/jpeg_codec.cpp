#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

#include "resources/codecs.h"

namespace resources {
namespace {

// libjpeg reports fatal errors through this handler, which jumps back to the decoder instead
// of ending the process.
struct ErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf jump;
};

void onFatalError(j_common_ptr info) {
  std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1);
}

void onMessage(j_common_ptr) {}

}  // namespace

std::optional<gui::Image> decodeJpeg(std::span<const std::uint8_t> bytes) {
  jpeg_decompress_struct info{};
  ErrorManager errors{};
  info.err = jpeg_std_error(&errors.base);
  errors.base.error_exit = onFatalError;
  errors.base.output_message = onMessage;
  gui::Image image;
  if (setjmp(errors.jump)) {
    jpeg_destroy_decompress(&info);
    return std::nullopt;
  }
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, bytes.data(), static_cast<unsigned long>(bytes.size()));
  if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK) {
    jpeg_destroy_decompress(&info);
    return std::nullopt;
  }
  info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&info);
  image.width = static_cast<int>(info.output_width);
  image.height = static_cast<int>(info.output_height);
  image.rgba.resize(std::size_t(image.width) * image.height * 4);
  std::vector<std::uint8_t> line(std::size_t(image.width) * 3);
  while (info.output_scanline < info.output_height) {
    const std::size_t y = info.output_scanline;
    JSAMPROW row = line.data();
    jpeg_read_scanlines(&info, &row, 1);
    std::uint8_t* out = image.rgba.data() + y * image.width * 4;
    for (int x = 0; x < image.width; ++x) {
      out[4 * x] = line[3 * x];
      out[4 * x + 1] = line[3 * x + 1];
      out[4 * x + 2] = line[3 * x + 2];
      out[4 * x + 3] = 0xFF;
    }
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return image;
}

}  // namespace resources

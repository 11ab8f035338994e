#include <png.h>

#include <cstring>

#include "platform/files.h"
#include "resources/codecs.h"

namespace resources {
namespace {

struct MemoryReader {
  std::span<const std::uint8_t> bytes;
  std::size_t offset = 0;
};

void readFromMemory(png_structp png, png_bytep out, png_size_t length) {
  auto* reader = static_cast<MemoryReader*>(png_get_io_ptr(png));
  if (length > reader->bytes.size() - reader->offset) png_error(png, "truncated PNG");
  std::memcpy(out, reader->bytes.data() + reader->offset, length);
  reader->offset += length;
}

void appendToString(png_structp png, png_bytep data, png_size_t length) {
  static_cast<std::string*>(png_get_io_ptr(png))->append(reinterpret_cast<const char*>(data), length);
}

void flushNothing(png_structp) {}

}  // namespace

std::optional<gui::Image> decodePng(std::span<const std::uint8_t> bytes) {
  if (bytes.size() < 8 || png_sig_cmp(bytes.data(), 0, 8) != 0) return std::nullopt;
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  if (!png) return std::nullopt;
  png_infop info = png_create_info_struct(png);
  gui::Image image;
  std::vector<png_bytep> rows;
  if (!info || setjmp(png_jmpbuf(png))) {
    png_destroy_read_struct(&png, info ? &info : nullptr, nullptr);
    return std::nullopt;
  }
  MemoryReader reader{bytes};
  png_set_read_fn(png, &reader, readFromMemory);
  png_read_info(png, info);
  // Whatever the stored form, read 8-bit RGBA.
  png_set_expand(png);
  png_set_strip_16(png);
  png_set_gray_to_rgb(png);
  png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
  png_set_interlace_handling(png);
  png_read_update_info(png, info);
  image.width = static_cast<int>(png_get_image_width(png, info));
  image.height = static_cast<int>(png_get_image_height(png, info));
  image.rgba.resize(static_cast<std::size_t>(image.width) * image.height * 4);
  rows.resize(image.height);
  for (int y = 0; y < image.height; ++y) rows[y] = image.rgba.data() + std::size_t(y) * image.width * 4;
  png_read_image(png, rows.data());
  png_read_end(png, nullptr);
  png_destroy_read_struct(&png, &info, nullptr);
  return image;
}

bool writePng(const gui::Image& image, const std::string& path) {
  if (image.width <= 0 || image.height <= 0 ||
      image.rgba.size() != std::size_t(image.width) * image.height * 4)
    return false;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  if (!png) return false;
  png_infop info = png_create_info_struct(png);
  std::string encoded;
  std::vector<png_bytep> rows(image.height);
  if (!info || setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, info ? &info : nullptr);
    return false;
  }
  png_set_write_fn(png, &encoded, appendToString, flushNothing);
  png_set_IHDR(png, info, image.width, image.height, 8, PNG_COLOR_TYPE_RGB_ALPHA,
               PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  for (int y = 0; y < image.height; ++y)
    rows[y] = const_cast<png_bytep>(image.rgba.data() + std::size_t(y) * image.width * 4);
  png_write_image(png, rows.data());
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return platform::writeFileAtomically(path, encoded);
}

}  // namespace resources

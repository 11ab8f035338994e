#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <unistd.h>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "resources/codecs.h"
#include "resources/pictures.h"

namespace {

TEST(PicturesTest, EverySlotDecodesAtItsSize) {
  const int sizes[7][2] = {{800, 600}, {155, 101}, {72, 47}, {240, 160}, {240, 160}, {240, 160}, {455, 297}};
  for (int slot = 0; slot < resources::kImageSlotCount; ++slot) {
    const gui::Image image = resources::decodeProgramPicture(slot);
    EXPECT_EQ(image.width, sizes[slot][0]) << slot;
    EXPECT_EQ(image.height, sizes[slot][1]) << slot;
    ASSERT_EQ(image.rgba.size(), std::size_t(sizes[slot][0]) * sizes[slot][1] * 4) << slot;
    // Artwork, not an empty canvas: the picture holds more than one colour.
    bool varied = false;
    for (std::size_t i = 4; i < image.rgba.size() && !varied; i += 4)
      varied = std::memcmp(&image.rgba[i], &image.rgba[0], 3) != 0;
    EXPECT_TRUE(varied) << slot;
  }
  EXPECT_EQ(resources::decodeProgramPicture(resources::kImageSlotCount).width, 0);
}

TEST(PicturesTest, IconIsOneSixteenPixelImageOf32Bits) {
  const auto icon = resources::faviconBytes();
  ASSERT_EQ(icon.size(), 1150u);
  const std::uint8_t header[] = {0, 0, 1, 0, 1, 0, 16, 16, 0, 0, 1, 0, 32, 0, 0x68, 0x04, 0, 0, 22, 0, 0, 0};
  EXPECT_TRUE(std::equal(std::begin(header), std::end(header), icon.begin()));
}

TEST(PicturesTest, WrittenPngDecodesToTheSamePixels) {
  const gui::Image logo = resources::decodeProgramPicture(resources::kLogoImage);
  const auto path = std::filesystem::temp_directory_path() / ("orvex-logo-" + std::to_string(::getpid()) + ".png");
  ASSERT_TRUE(resources::writePng(logo, path.string()));
  std::ifstream in(path, std::ios::binary);
  const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
  std::filesystem::remove(path);
  const auto decoded = resources::decodePng(bytes);
  ASSERT_TRUE(decoded.has_value());
  EXPECT_EQ(decoded->width, 155);
  EXPECT_EQ(decoded->height, 101);
  EXPECT_EQ(decoded->rgba, logo.rgba);
}

TEST(PicturesTest, BrokenDataIsRejectedNotCrashed) {
  const std::vector<std::uint8_t> junk(100, 0x42);
  EXPECT_FALSE(resources::decodePng(junk).has_value());
  EXPECT_FALSE(resources::decodeJpeg(junk).has_value());
  EXPECT_FALSE(resources::writePng(gui::Image{}, "/tmp/never-written.png"));
}

}  // namespace

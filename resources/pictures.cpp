#include "resources/pictures.h"

#include <cstddef>

#include "resources/codecs.h"

namespace resources {
namespace data {
extern const unsigned char mainBackground[], logo[], smallLogo[], ceilingSeries[], cubicSeries[],
    condenserSeries[], splash[], favicon[];
extern const std::size_t mainBackgroundSize, logoSize, smallLogoSize, ceilingSeriesSize,
    cubicSeriesSize, condenserSeriesSize, splashSize, faviconSize;
}  // namespace data

namespace {

enum class Format { Png, Jpeg };

struct EmbeddedPicture {
  const unsigned char* bytes;
  const std::size_t& size;
  Format format;
};

}  // namespace

gui::Image decodeProgramPicture(int slot) {
  const EmbeddedPicture pictures[kImageSlotCount] = {
      {data::mainBackground, data::mainBackgroundSize, Format::Png},
      {data::logo, data::logoSize, Format::Png},
      {data::smallLogo, data::smallLogoSize, Format::Png},
      {data::ceilingSeries, data::ceilingSeriesSize, Format::Jpeg},
      {data::cubicSeries, data::cubicSeriesSize, Format::Jpeg},
      {data::condenserSeries, data::condenserSeriesSize, Format::Jpeg},
      {data::splash, data::splashSize, Format::Png},
  };
  if (slot < 0 || slot >= kImageSlotCount) return {};
  const EmbeddedPicture& picture = pictures[slot];
  const std::span<const std::uint8_t> bytes(picture.bytes, picture.size);
  auto image = picture.format == Format::Png ? decodePng(bytes) : decodeJpeg(bytes);
  return image ? std::move(*image) : gui::Image{};
}

std::span<const std::uint8_t> faviconBytes() { return {data::favicon, data::faviconSize}; }

}  // namespace resources

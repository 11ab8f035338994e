#include "sheets/sheet_writer.h"

namespace sheets {

std::optional<int> decimalsOfNumber(std::string_view text) {
  if (!text.empty() && text.front() == '-') text.remove_prefix(1);
  const std::size_t point = text.find('.');
  const std::string_view whole = text.substr(0, point);
  const std::string_view fraction = point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
  const auto digits = [](std::string_view part) {
    return part.find_first_not_of("0123456789") == std::string_view::npos;
  };
  if (whole.empty() || !digits(whole) || !digits(fraction)) return std::nullopt;
  if (point != std::string_view::npos && fraction.empty()) return std::nullopt;
  return static_cast<int>(fraction.size());
}

}  // namespace sheets

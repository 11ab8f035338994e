#include "platform/temporary_names.h"

namespace platform {
namespace {

constexpr std::string_view kLettersAndDigits =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";

bool isLetterOrDigit(char c) { return kLettersAndDigits.find(c) != std::string_view::npos; }

}  // namespace

std::optional<std::string_view> targetOfTemporaryName(std::string_view name) {
  if (name.size() < kTemporarySuffixLength + 2) return std::nullopt;
  const std::size_t dot = name.size() - kTemporarySuffixLength - 1;
  if (name[dot] != '.') return std::nullopt;
  for (const char c : name.substr(dot + 1))
    if (!isLetterOrDigit(c)) return std::nullopt;
  return name.substr(0, dot);
}

std::string temporaryNameOf(std::string_view target, std::uint64_t seed) {
  std::string name(target);
  name += '.';
  for (std::size_t i = 0; i < kTemporarySuffixLength; ++i) {
    name += kLettersAndDigits[seed % kLettersAndDigits.size()];
    seed /= kLettersAndDigits.size();
  }
  return name;
}

}  // namespace platform

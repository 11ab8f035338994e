#include "net/internet_settings.h"

#include <algorithm>
#include <string>
#include <vector>

namespace net {
namespace {

std::vector<std::string_view> split(std::string_view text, std::string_view separators) {
  std::vector<std::string_view> parts;
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t end = std::min(text.find_first_of(separators, start), text.size());
    if (end > start) parts.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return parts;
}

constexpr std::string_view kSeparators = "; \t\r\n";

// The proxy's "host:port" for the scheme: an entry without "scheme=" serves every scheme.
std::optional<std::string_view> proxyFor(std::string_view proxy, std::string_view scheme) {
  std::optional<std::string_view> found;
  for (const std::string_view entry : split(proxy, kSeparators)) {
    const std::size_t equals = entry.find('=');
    if (equals == std::string_view::npos) return entry;
    if (entry.substr(0, equals) == scheme && equals + 1 < entry.size()) found = entry.substr(equals + 1);
  }
  return found;
}

std::string bypassList(std::string_view bypass) {
  std::string list;
  for (std::string_view entry : split(bypass, kSeparators)) {
    if (entry.starts_with("*.")) entry.remove_prefix(2);
    if (entry.find_first_of("*<>") != std::string_view::npos) continue;
    if (!list.empty()) list += ',';
    list += entry;
  }
  return list;
}

}  // namespace

std::optional<ProxySetting> proxyFromInternetSettings(std::string_view proxy, std::string_view bypass,
                                                      std::string_view url) {
  const std::size_t schemeEnd = url.find("://");
  if (schemeEnd == std::string_view::npos) return std::nullopt;
  const std::optional<std::string_view> server = proxyFor(proxy, url.substr(0, schemeEnd));
  if (!server) return std::nullopt;
  // A proxy of the settings is an HTTP proxy, for https URLs too (they tunnel through it).
  const std::string address = server->find("://") == std::string_view::npos ? "http://" + std::string(*server)
                                                                             : std::string(*server);
  return ProxySetting{.address = address, .bypass = bypassList(bypass)};
}

}  // namespace net

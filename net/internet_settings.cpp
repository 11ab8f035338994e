#include "net/internet_settings.h"

#include <algorithm>
#include <cctype>
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
    if (entry.substr(0, equals) == scheme && equals + 1 < entry.size() && !found) found = entry.substr(equals + 1);
  }
  return found;
}

bool sameLetters(char a, char b) {
  return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
}

// Whether a text matches a pattern in which "*" stands for any text, letters of any case.
bool matchesPattern(std::string_view text, std::string_view pattern) {
  std::size_t t = 0, p = 0;
  std::size_t starAt = std::string_view::npos, resumeAt = 0;
  while (t < text.size()) {
    if (p < pattern.size() && pattern[p] == '*') {
      starAt = p++;
      resumeAt = t;
    } else if (p < pattern.size() && sameLetters(pattern[p], text[t])) {
      ++p, ++t;
    } else if (starAt != std::string_view::npos) {
      p = starAt + 1;
      t = ++resumeAt;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

struct UrlParts {
  std::string_view scheme, host, port;
};

// The scheme, host and port of "scheme://[user@]host[:port][/...]"; the port is the scheme's
// own when the URL names none.
std::optional<UrlParts> urlParts(std::string_view url) {
  const std::size_t schemeEnd = url.find("://");
  if (schemeEnd == std::string_view::npos) return std::nullopt;
  UrlParts parts{.scheme = url.substr(0, schemeEnd), .host = {}, .port = {}};
  std::string_view authority = url.substr(schemeEnd + 3);
  authority = authority.substr(0, authority.find_first_of("/?#"));
  if (const std::size_t at = authority.rfind('@'); at != std::string_view::npos) authority.remove_prefix(at + 1);
  const std::size_t hostEnd = authority.starts_with('[') ? authority.find(']') + 1 : authority.find(':');
  parts.host = authority.substr(0, hostEnd);
  if (hostEnd < authority.size() && authority[hostEnd] == ':') parts.port = authority.substr(hostEnd + 1);
  if (parts.port.empty()) parts.port = parts.scheme == "https" ? "443" : "80";
  return parts;
}

// Whether one exception of the settings takes the URL past the proxy.
bool isException(std::string_view entry, const UrlParts& url) {
  if (entry == "<local>") return url.host.find_first_of(".:") == std::string_view::npos;
  if (const std::size_t schemeEnd = entry.find("://"); schemeEnd != std::string_view::npos) {
    if (!matchesPattern(url.scheme, entry.substr(0, schemeEnd))) return false;
    entry.remove_prefix(schemeEnd + 3);
  }
  const std::size_t colon = entry.rfind(':');
  const bool namesPort = colon != std::string_view::npos && colon + 1 < entry.size() && !entry.ends_with(']') &&
                         entry.find(':') == colon;
  if (namesPort) {
    if (!matchesPattern(url.port, entry.substr(colon + 1))) return false;
    entry = entry.substr(0, colon);
  }
  return matchesPattern(url.host, entry);
}

}  // namespace

std::optional<ProxySetting> proxyFromInternetSettings(std::string_view proxy, std::string_view bypass,
                                                      std::string_view url) {
  const std::optional<UrlParts> parts = urlParts(url);
  if (!parts) return std::nullopt;
  const std::optional<std::string_view> server = proxyFor(proxy, parts->scheme);
  if (!server) return std::nullopt;
  const std::vector<std::string_view> exceptions = split(bypass, kSeparators);
  if (std::any_of(exceptions.begin(), exceptions.end(),
                  [&](std::string_view entry) { return isException(entry, *parts); }))
    return ProxySetting{.address = {}};
  // A proxy of the settings is an HTTP proxy, for https URLs too (they tunnel through it).
  const std::string address = server->find("://") == std::string_view::npos ? "http://" + std::string(*server)
                                                                             : std::string(*server);
  return ProxySetting{.address = address};
}

}  // namespace net

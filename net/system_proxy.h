#pragma once
// The proxy that the system's settings name for a transfer.

#include <optional>
#include <string>
#include <string_view>

namespace net {

struct ProxySetting {
  // "http://host:port", or empty for a direct connection even when the environment names a
  // proxy (the URL's host is among the settings' exceptions, or a configuration script said
  // DIRECT).
  std::string address;
  friend bool operator==(const ProxySetting&, const ProxySetting&) = default;
};

// On Windows the proxy of the user's Internet settings for the URL: an automatic configuration
// script or auto-detection first, as Windows resolves it, else the fixed proxy server; elsewhere
// empty, since libcurl takes http_proxy, https_proxy and no_proxy from the environment itself.
// Empty also when the settings name no proxy for the URL's scheme.
std::optional<ProxySetting> systemProxy(std::string_view url);

}  // namespace net

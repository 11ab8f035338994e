#pragma once
// The proxy that the system's settings name for a transfer.

#include <optional>
#include <string>
#include <string_view>

namespace net {

struct ProxySetting {
  std::string address;  // "http://host:port"
  std::string bypass;   // hosts reached directly, as libcurl's no-proxy list ("example.com,10.0.0.1")
  friend bool operator==(const ProxySetting&, const ProxySetting&) = default;
};

// On Windows the proxy of the user's Internet settings for the URL; elsewhere empty, since
// libcurl takes http_proxy, https_proxy and no_proxy from the environment itself. Empty also
// when the settings name no proxy for the URL's scheme.
std::optional<ProxySetting> systemProxy(std::string_view url);

}  // namespace net

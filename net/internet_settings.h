#pragma once
// Windows' Internet settings (the proxy part) in libcurl's terms. A pure function, so that it
// is tested on every system.

#include <optional>
#include <string_view>

#include "net/system_proxy.h"

namespace net {

// `proxy` as the settings hold it: "host:port" for every scheme, or per scheme
// "http=host:port;https=host:port"; `bypass` the exceptions separated by ";" or blanks
// ("*.example.com", "10.0.0.1", "<local>"). Gives the proxy for the URL's scheme, or nothing
// when there is none. "*.example.com" becomes "example.com" (libcurl matches the domain's
// hosts); "<local>" (names without a dot) and other patterns libcurl cannot express are left
// out, which only sends more through the proxy.
std::optional<ProxySetting> proxyFromInternetSettings(std::string_view proxy, std::string_view bypass,
                                                      std::string_view url);

}  // namespace net

#include "net/system_proxy.h"

namespace net {

// libcurl reads http_proxy, https_proxy and no_proxy itself, at every transfer.
std::optional<ProxySetting> systemProxy(std::string_view) { return std::nullopt; }

}  // namespace net

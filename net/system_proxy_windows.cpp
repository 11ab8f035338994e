#include <windows.h>
#include <winhttp.h>

#include <string>

#include "net/internet_settings.h"
#include "net/system_proxy.h"
#include "platform/wide_text.h"

namespace net {

// The proxy the user set in Windows' Internet settings (a fixed proxy server; automatic
// configuration scripts are not followed).
std::optional<ProxySetting> systemProxy(std::string_view url) {
  WINHTTP_CURRENT_USER_IE_PROXY_CONFIG settings{};
  if (!WinHttpGetIEProxyConfigForCurrentUser(&settings)) return std::nullopt;
  const auto take = [](LPWSTR text) {
    std::string utf8 = text ? platform::utf8FromWide(text) : std::string();
    if (text) GlobalFree(text);
    return utf8;
  };
  if (settings.lpszAutoConfigUrl) GlobalFree(settings.lpszAutoConfigUrl);
  const std::string proxy = take(settings.lpszProxy);
  const std::string bypass = take(settings.lpszProxyBypass);
  return proxyFromInternetSettings(proxy, bypass, url);
}

}  // namespace net

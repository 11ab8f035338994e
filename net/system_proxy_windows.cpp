#include <windows.h>
#include <winhttp.h>

#include <string>

#include "net/internet_settings.h"
#include "net/system_proxy.h"
#include "platform/wide_text.h"

namespace net {
namespace {

// A text WinHTTP allocated, in UTF-8, freed.
std::string takeText(LPWSTR text) {
  if (!text) return {};
  std::string utf8 = platform::utf8FromWide(text);
  GlobalFree(text);
  return utf8;
}

// How long WinHTTP may take to fetch a configuration script, at each step, before the fixed
// settings serve instead.
constexpr int kScriptMilliseconds = 5000;

// The proxy that an automatic configuration script, or auto-detection (WPAD), names for the
// URL, as the rest of Windows resolves it; nothing when the script cannot be had or run.
std::optional<ProxySetting> automaticProxy(std::string_view url, const std::wstring& scriptAddress,
                                           bool autoDetect) {
  HINTERNET session =
      WinHttpOpen(L"ORVEX-selection", WINHTTP_ACCESS_TYPE_NO_PROXY, WINHTTP_NO_PROXY_NAME, WINHTTP_NO_PROXY_BYPASS, 0);
  if (!session) return std::nullopt;
  WinHttpSetTimeouts(session, kScriptMilliseconds, kScriptMilliseconds, kScriptMilliseconds, kScriptMilliseconds);
  WINHTTP_AUTOPROXY_OPTIONS options{};
  if (!scriptAddress.empty()) {
    options.dwFlags |= WINHTTP_AUTOPROXY_CONFIG_URL;
    options.lpszAutoConfigUrl = scriptAddress.c_str();
  }
  if (autoDetect) {
    options.dwFlags |= WINHTTP_AUTOPROXY_AUTO_DETECT;
    options.dwAutoDetectFlags = WINHTTP_AUTO_DETECT_TYPE_DHCP | WINHTTP_AUTO_DETECT_TYPE_DNS_A;
  }
  options.fAutoLogonIfChallenged = TRUE;  // a script behind the company's sign-in
  WINHTTP_PROXY_INFO found{};
  const std::wstring wideUrl = platform::wideFromUtf8(std::string(url));
  const bool resolved = WinHttpGetProxyForUrl(session, wideUrl.c_str(), &options, &found);
  WinHttpCloseHandle(session);
  if (!resolved) return std::nullopt;
  const std::string proxy = takeText(found.lpszProxy);
  const std::string bypass = takeText(found.lpszProxyBypass);
  if (found.dwAccessType != WINHTTP_ACCESS_TYPE_NAMED_PROXY || proxy.empty()) return ProxySetting{};  // DIRECT
  return proxyFromInternetSettings(proxy, bypass, url).value_or(ProxySetting{});
}

}  // namespace

// The user's Internet settings: an automatic configuration script or auto-detection first;
// when that gives nothing, the fixed proxy server; when there is none, a direct connection.
std::optional<ProxySetting> systemProxy(std::string_view url) {
  WINHTTP_CURRENT_USER_IE_PROXY_CONFIG settings{};
  if (!WinHttpGetIEProxyConfigForCurrentUser(&settings)) return std::nullopt;
  const std::string scriptAddress = takeText(settings.lpszAutoConfigUrl);
  const std::string proxy = takeText(settings.lpszProxy);
  const std::string bypass = takeText(settings.lpszProxyBypass);
  if (settings.fAutoDetect || !scriptAddress.empty()) {
    if (auto automatic = automaticProxy(url, platform::wideFromUtf8(scriptAddress), settings.fAutoDetect))
      return automatic;
  }
  return proxyFromInternetSettings(proxy, bypass, url);
}

}  // namespace net

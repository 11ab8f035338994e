#include "net/internet_settings.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

using net::ProxySetting;

TEST(InternetSettings, GiveTheProxyOfTheUrlsSchemeAndTheExceptionsLibcurlCanExpress) {
  struct Case {
    std::string proxy, bypass, url;
    std::optional<ProxySetting> expected;
  };
  const std::vector<Case> cases = {
      {"proxy.corp:8080", "", "http://orvex.example/a.pdf", ProxySetting{"http://proxy.corp:8080", ""}},
      {"proxy.corp:8080", "", "https://orvex.example/a.pdf", ProxySetting{"http://proxy.corp:8080", ""}},
      {"http=web:80;https=secure:443", "", "https://orvex.example/", ProxySetting{"http://secure:443", ""}},
      {"http=web:80;https=secure:443", "", "http://orvex.example/", ProxySetting{"http://web:80", ""}},
      {"ftp=files:21", "", "http://orvex.example/", std::nullopt},
      {"socks=socks:1080", "", "http://orvex.example/", std::nullopt},
      {"", "*.corp", "http://orvex.example/", std::nullopt},
      {"http://proxy.corp:3128", "", "http://orvex.example/", ProxySetting{"http://proxy.corp:3128", ""}},
      {"proxy.corp:8080", "<local>;*.corp; 10.0.0.1 192.168.*;intranet", "http://orvex.example/",
       ProxySetting{"http://proxy.corp:8080", "corp,10.0.0.1,intranet"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("proxy \"" + c.proxy + "\", bypass \"" + c.bypass + "\", " + c.url);
    EXPECT_EQ(net::proxyFromInternetSettings(c.proxy, c.bypass, c.url), c.expected);
  }
}

}  // namespace

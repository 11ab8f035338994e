#include "net/internet_settings.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

using net::ProxySetting;

const ProxySetting kDirect{""};

TEST(InternetSettings, GiveTheProxyOfTheUrlsScheme) {
  struct Case {
    std::string proxy, url;
    std::optional<ProxySetting> expected;
  };
  const std::vector<Case> cases = {
      {"proxy.corp:8080", "http://orvex.example/a.pdf", ProxySetting{"http://proxy.corp:8080"}},
      {"proxy.corp:8080", "https://orvex.example/a.pdf", ProxySetting{"http://proxy.corp:8080"}},
      {"http=web:80;https=secure:443", "https://orvex.example/", ProxySetting{"http://secure:443"}},
      {"http=web:80;https=secure:443", "http://orvex.example/", ProxySetting{"http://web:80"}},
      {"first:8080;second:8080", "http://orvex.example/", ProxySetting{"http://first:8080"}},
      {"ftp=files:21", "http://orvex.example/", std::nullopt},
      {"socks=socks:1080", "http://orvex.example/", std::nullopt},
      {"", "http://orvex.example/", std::nullopt},
      {"http://proxy.corp:3128", "http://orvex.example/", ProxySetting{"http://proxy.corp:3128"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("proxy \"" + c.proxy + "\", " + c.url);
    EXPECT_EQ(net::proxyFromInternetSettings(c.proxy, "", c.url), c.expected);
  }
}

TEST(InternetSettings, ReadTheExceptionsAsWindowsDoes) {
  const ProxySetting proxy{"http://proxy.corp:8080"};
  struct Case {
    std::string bypass, url;
    bool direct;
  };
  const std::vector<Case> cases = {
      {"<local>", "http://intranet/a.pdf", true},
      {"<local>", "http://orvex.example/a.pdf", false},
      {"<local>", "http://10.0.0.1/a.pdf", false},
      {"*.corp", "http://files.corp/a.pdf", true},
      {"*.corp", "http://FILES.Corp/a.pdf", true},
      {"*.corp", "http://corp.example/a.pdf", false},
      {"10.*", "http://10.1.2.3:8080/a.pdf", true},
      {"10.*", "http://110.1.2.3/a.pdf", false},
      {"intra*.example", "http://intranet.example/", true},
      {"*orvex*", "https://www.orvex.example/", true},
      {"orvex.example", "http://orvex.example.org/", false},
      {"https://orvex.example", "http://orvex.example/", false},
      {"https://orvex.example", "https://orvex.example/", true},
      {"orvex.example:8080", "http://orvex.example/", false},
      {"orvex.example:8080", "http://orvex.example:8080/", true},
      {"orvex.example:443", "https://user@orvex.example/", true},
      {"files.corp; 192.168.*  <local>;*.example", "http://www.orvex.example/", true},
      {";;  ", "http://orvex.example/", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("bypass \"" + c.bypass + "\", " + c.url);
    EXPECT_EQ(net::proxyFromInternetSettings("proxy.corp:8080", c.bypass, c.url), c.direct ? kDirect : proxy);
  }
}

}  // namespace

#pragma once
// What a transfer asks of libcurl that differs by platform, set with the transfer's other
// options: on Windows its TLS and a proxy's sign-in with the user's own account.

#include <curl/curl.h>

namespace net {

void setPlatformTransferOptions(CURL* curl);

}  // namespace net

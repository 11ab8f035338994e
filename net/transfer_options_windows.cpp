#include "net/transfer_options.h"

namespace net {

void setPlatformTransferOptions(CURL* curl) {
  // Windows' TLS checks whether the site's certificate was revoked. Behind a company firewall
  // that blocks the revocation servers a strict check fails every https transfer; at best
  // effort an unreachable revocation server lets the transfer pass, while a certificate known
  // to be revoked still fails it.
  curl_easy_setopt(curl, CURLOPT_SSL_OPTIONS, static_cast<long>(CURLSSLOPT_REVOKE_BEST_EFFORT));
  // A proxy that asks the user to sign in gets the user's own Windows account (Negotiate or
  // NTLM): the empty name and password stand for the signed-in user, nothing is asked or kept.
  curl_easy_setopt(curl, CURLOPT_PROXYAUTH, static_cast<long>(CURLAUTH_NEGOTIATE | CURLAUTH_NTLM));
  curl_easy_setopt(curl, CURLOPT_PROXYUSERPWD, ":");
}

}  // namespace net

#include "net/transfer_options.h"

namespace net {

// libcurl's own defaults serve: the system's certificate store, and a proxy's sign-in from
// the user and password in the environment's proxy address.
void setPlatformTransferOptions(CURL*) {}

}  // namespace net

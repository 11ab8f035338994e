// libcurl loaded at the first transfer rather than at start-up. Once loaded, libcurl and the
// TLS, Kerberos, LDAP and SSH libraries it brings along hold about 4 MB of the program's memory,
// which a user who never downloads a drawing nor checks the version would carry for nothing.
// The network code calls libcurl's easy interface as usual; these definitions stand in for
// libcurl's own and forward to the library, which they load on their first call.

#define CURL_DISABLE_TYPECHECK  // the checking macros would take the definitions below for calls
#include <curl/curl.h>
#include <dlfcn.h>

#include <cstdarg>

namespace {

struct CurlFunctions {
  decltype(&curl_global_init) globalInit = nullptr;
  decltype(&curl_easy_init) easyInit = nullptr;
  decltype(&curl_easy_setopt) easySetopt = nullptr;
  decltype(&curl_easy_perform) easyPerform = nullptr;
  decltype(&curl_easy_cleanup) easyCleanup = nullptr;
};

template <typename Function>
bool find(void* library, const char* name, Function*& function) {
  function = reinterpret_cast<Function*>(dlsym(library, name));
  return function != nullptr;
}

// libcurl's functions, loaded on the first call and kept until the exit; null when the library
// cannot be loaded, which makes every transfer fail as a network that cannot start.
const CurlFunctions* curl() {
  static const CurlFunctions* const loaded = []() -> const CurlFunctions* {
    static CurlFunctions functions;
    void* library = dlopen("libcurl.so.4", RTLD_NOW | RTLD_LOCAL);
    if (!library) return nullptr;
    const bool complete = find(library, "curl_global_init", functions.globalInit) &&
                          find(library, "curl_easy_init", functions.easyInit) &&
                          find(library, "curl_easy_setopt", functions.easySetopt) &&
                          find(library, "curl_easy_perform", functions.easyPerform) &&
                          find(library, "curl_easy_cleanup", functions.easyCleanup);
    return complete ? &functions : nullptr;
  }();
  return loaded;
}

}  // namespace

extern "C" {

CURLcode curl_global_init(long flags) {
  const CurlFunctions* library = curl();
  return library ? library->globalInit(flags) : CURLE_FAILED_INIT;
}

CURL* curl_easy_init() {
  const CurlFunctions* library = curl();
  return library ? library->easyInit() : nullptr;
}

// Handles come only from curl_easy_init, so the library is loaded when these are called.

CURLcode curl_easy_setopt(CURL* handle, CURLoption option, ...) {
  // libcurl reads the value with the type that the option's number range stands for; it is
  // passed on read as that same type.
  std::va_list arguments;
  va_start(arguments, option);
  const auto set = curl()->easySetopt;
  CURLcode result;
  if (option < CURLOPTTYPE_OBJECTPOINT) {
    result = set(handle, option, va_arg(arguments, long));
  } else if (option >= CURLOPTTYPE_FUNCTIONPOINT && option < CURLOPTTYPE_OFF_T) {
    result = set(handle, option, va_arg(arguments, void (*)()));
  } else if (option >= CURLOPTTYPE_OFF_T && option < CURLOPTTYPE_BLOB) {
    result = set(handle, option, va_arg(arguments, curl_off_t));
  } else {
    result = set(handle, option, va_arg(arguments, void*));
  }
  va_end(arguments);
  return result;
}

CURLcode curl_easy_perform(CURL* handle) { return curl()->easyPerform(handle); }

void curl_easy_cleanup(CURL* handle) { curl()->easyCleanup(handle); }

}  // extern "C"

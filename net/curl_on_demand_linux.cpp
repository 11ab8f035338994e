// libcurl loaded at the first transfer rather than at start-up. Once loaded, libcurl and the
// TLS, Kerberos, LDAP and SSH libraries it brings along hold about 4 MB of the program's memory,
// which a user who never downloads a drawing nor checks the version would carry for nothing.
// The network code calls libcurl as usual; these definitions stand in for the libcurl functions
// it uses and forward to the library, which they load on their first call.

#define CURL_DISABLE_TYPECHECK  // the checking macros would take the definitions below for calls
#include <curl/curl.h>
#include <dlfcn.h>

#include <cstdarg>

namespace {

struct CurlFunctions {
  decltype(&curl_global_init) globalInit = nullptr;
  decltype(&curl_easy_init) easyInit = nullptr;
  decltype(&curl_easy_setopt) easySetopt = nullptr;
  decltype(&curl_easy_getinfo) easyGetinfo = nullptr;
  decltype(&curl_easy_cleanup) easyCleanup = nullptr;
  decltype(&curl_multi_init) multiInit = nullptr;
  decltype(&curl_multi_add_handle) multiAddHandle = nullptr;
  decltype(&curl_multi_remove_handle) multiRemoveHandle = nullptr;
  decltype(&curl_multi_perform) multiPerform = nullptr;
  decltype(&curl_multi_poll) multiPoll = nullptr;
  decltype(&curl_multi_info_read) multiInfoRead = nullptr;
  decltype(&curl_multi_cleanup) multiCleanup = nullptr;
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
    static CurlFunctions f;
    void* library = dlopen("libcurl.so.4", RTLD_NOW | RTLD_LOCAL);
    if (!library) return nullptr;
    const bool complete =
        find(library, "curl_global_init", f.globalInit) && find(library, "curl_easy_init", f.easyInit) &&
        find(library, "curl_easy_setopt", f.easySetopt) && find(library, "curl_easy_getinfo", f.easyGetinfo) &&
        find(library, "curl_easy_cleanup", f.easyCleanup) && find(library, "curl_multi_init", f.multiInit) &&
        find(library, "curl_multi_add_handle", f.multiAddHandle) &&
        find(library, "curl_multi_remove_handle", f.multiRemoveHandle) &&
        find(library, "curl_multi_perform", f.multiPerform) && find(library, "curl_multi_poll", f.multiPoll) &&
        find(library, "curl_multi_info_read", f.multiInfoRead) &&
        find(library, "curl_multi_cleanup", f.multiCleanup);
    return complete ? &f : nullptr;
  }();
  return loaded;
}

}  // namespace

extern "C" {

// The functions that start something load the library, and fail when it cannot be loaded.

CURLcode curl_global_init(long flags) {
  const CurlFunctions* library = curl();
  return library ? library->globalInit(flags) : CURLE_FAILED_INIT;
}

CURL* curl_easy_init() {
  const CurlFunctions* library = curl();
  return library ? library->easyInit() : nullptr;
}

CURLM* curl_multi_init() {
  const CurlFunctions* library = curl();
  return library ? library->multiInit() : nullptr;
}

// The others take a handle, which only the library gives: it is loaded when they are called.

// The option and information numbers before the variable arguments are enums, as libcurl
// declares them and as its own definitions take them; clang warns of va_start after a
// parameter whose type promotes, which on the ABIs the program runs on passes it unchanged.
#if defined(__clang__)
#pragma clang diagnostic push
#pragma clang diagnostic ignored "-Wvarargs"
#endif

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

CURLcode curl_easy_getinfo(CURL* handle, CURLINFO info, ...) {
  // Every piece of information is written through a pointer the caller passes.
  std::va_list arguments;
  va_start(arguments, info);
  const CURLcode result = curl()->easyGetinfo(handle, info, va_arg(arguments, void*));
  va_end(arguments);
  return result;
}

#if defined(__clang__)
#pragma clang diagnostic pop
#endif

void curl_easy_cleanup(CURL* handle) { curl()->easyCleanup(handle); }

CURLMcode curl_multi_add_handle(CURLM* multi, CURL* handle) { return curl()->multiAddHandle(multi, handle); }

CURLMcode curl_multi_remove_handle(CURLM* multi, CURL* handle) { return curl()->multiRemoveHandle(multi, handle); }

CURLMcode curl_multi_perform(CURLM* multi, int* running) { return curl()->multiPerform(multi, running); }

CURLMcode curl_multi_poll(CURLM* multi, curl_waitfd extra[], unsigned int extraCount, int timeoutMs, int* ready) {
  return curl()->multiPoll(multi, extra, extraCount, timeoutMs, ready);
}

CURLMsg* curl_multi_info_read(CURLM* multi, int* queued) { return curl()->multiInfoRead(multi, queued); }

CURLMcode curl_multi_cleanup(CURLM* multi) { return curl()->multiCleanup(multi); }

}  // extern "C"

// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/CurlLibrary.h"

#include <dlfcn.h>

namespace vantorel {

namespace {

// Looks up one function of the loaded library; false (with the problem noted) when it is missing.
template <typename Function>
bool Resolve(void* library, const char* name, Function& function, std::string& problem) {
    // POSIX guarantees that a data pointer from dlsym converts to the function it names.
    function = reinterpret_cast<Function>(::dlsym(library, name));
    if (function == nullptr && problem.empty()) {
        problem = std::string(kCurlLibraryFile) + " has no function " + name;
    }
    return function != nullptr;
}

CurlLibrary Load() {
    CurlLibrary curl;
    void* library = ::dlopen(kCurlLibraryFile, RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) {
        const char* why = ::dlerror();
        curl.problem = std::string("the transfer library ") + kCurlLibraryFile + " could not be loaded" +
                       (why != nullptr ? std::string(" (") + why + ")" : std::string());
        return curl;
    }
    decltype(&curl_global_init) globalInit = nullptr;
    std::string& problem = curl.problem;
    const bool found = Resolve(library, "curl_global_init", globalInit, problem) &&
                       Resolve(library, "curl_easy_init", curl.easyInit, problem) &&
                       Resolve(library, "curl_easy_setopt", curl.easySetopt, problem) &&
                       Resolve(library, "curl_easy_perform", curl.easyPerform, problem) &&
                       Resolve(library, "curl_easy_getinfo", curl.easyGetinfo, problem) &&
                       Resolve(library, "curl_easy_cleanup", curl.easyCleanup, problem) &&
                       Resolve(library, "curl_easy_strerror", curl.easyStrerror, problem) &&
                       Resolve(library, "curl_slist_append", curl.slistAppend, problem) &&
                       Resolve(library, "curl_slist_free_all", curl.slistFreeAll, problem) &&
                       Resolve(library, "curl_url", curl.url, problem) &&
                       Resolve(library, "curl_url_set", curl.urlSet, problem) &&
                       Resolve(library, "curl_url_get", curl.urlGet, problem) &&
                       Resolve(library, "curl_url_cleanup", curl.urlCleanup, problem) &&
                       Resolve(library, "curl_free", curl.free, problem);
    if (found && globalInit(CURL_GLOBAL_DEFAULT) != CURLE_OK) {
        problem = "the transfer library could not be set up";
    }
    return curl;
}

} // namespace

const CurlLibrary& Curl() {
    static const CurlLibrary curl = Load();
    return curl;
}

} // namespace vantorel

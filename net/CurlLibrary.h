// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <curl/curl.h>

#include <string>

namespace vantorel {

// The functions of libcurl that a fetch calls. The programs do not link libcurl: it is loaded when the first
// fetch needs it, so that a program run that fetches nothing (every other command of vantorel-cli) starts
// without it and the thirty libraries it brings, which would cost every run a few milliseconds and
// megabytes.
struct CurlLibrary {
    decltype(&curl_easy_init) easyInit = nullptr;
    decltype(&curl_easy_setopt) easySetopt = nullptr;
    decltype(&curl_easy_perform) easyPerform = nullptr;
    decltype(&curl_easy_getinfo) easyGetinfo = nullptr;
    decltype(&curl_easy_cleanup) easyCleanup = nullptr;
    decltype(&curl_easy_strerror) easyStrerror = nullptr;
    decltype(&curl_slist_append) slistAppend = nullptr;
    decltype(&curl_slist_free_all) slistFreeAll = nullptr;
    decltype(&curl_url) url = nullptr;
    decltype(&curl_url_set) urlSet = nullptr;
    decltype(&curl_url_get) urlGet = nullptr;
    decltype(&curl_url_cleanup) urlCleanup = nullptr;
    decltype(&curl_free) free = nullptr;
    std::string problem; // why the library could not be loaded; empty when every function is there
};

// libcurl's shared library, as the libcurl4 package installs it.
inline constexpr const char* kCurlLibraryFile = "libcurl.so.4";

// libcurl, loaded and set up (curl_global_init) once for the whole program by whichever thread asks first,
// and never unloaded: the program may fetch until it ends. When it cannot be loaded, `problem` says why.
const CurlLibrary& Curl();

} // namespace vantorel

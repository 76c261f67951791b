// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace vantorel {

// What a web server said identifies the version of a file it sent: its entity tag and its modification
// time, as the server wrote them. A later request that hands them back is answered "not modified" when the
// file is still the same. Either may be empty when the server gave none.
struct HttpValidators {
    std::string etag;
    std::string lastModified;

    bool empty() const { return etag.empty() && lastModified.empty(); }
    friend bool operator==(const HttpValidators&, const HttpValidators&) = default;
};

} // namespace vantorel

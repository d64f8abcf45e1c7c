#pragma once

#include <string>

namespace joseki {

// The door through which links open web addresses. The program uses the
// desktop's handler; tests install a recorder so nothing is opened.
class UrlOpener {
public:
    virtual ~UrlOpener() = default;

    // Opens the address with the desktop's handler; a failure is not reported.
    virtual void open(const std::string& url) = 0;

    // The opener links use now: the installed one, else the desktop's.
    static UrlOpener& current();
    // Makes `opener` current (null: back to the desktop's); returns the one it replaces (null: the desktop's).
    static UrlOpener* install(UrlOpener* opener);
};

} // namespace joseki

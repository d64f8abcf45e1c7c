#pragma once

#include "ui/controls/UrlOpener.h"

#include <string>
#include <vector>

namespace joseki::test {

// Keeps the addresses links would have opened, instead of starting a browser;
// installed for its lifetime.
class RecordingUrlOpener : public UrlOpener {
public:
    RecordingUrlOpener() : previous_(UrlOpener::install(this)) {}
    ~RecordingUrlOpener() override { UrlOpener::install(previous_); }
    RecordingUrlOpener(const RecordingUrlOpener&) = delete;
    RecordingUrlOpener& operator=(const RecordingUrlOpener&) = delete;

    void open(const std::string& url) override { opened.push_back(url); }

    std::vector<std::string> opened;

private:
    UrlOpener* previous_;
};

} // namespace joseki::test

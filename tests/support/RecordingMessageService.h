#pragma once

#include "core/MessageService.h"

#include <deque>
#include <string>
#include <vector>

namespace joseki::test {

// Keeps every box a test causes instead of showing it, answers with scripted
// buttons (OK when none are left) and records exits instead of exiting.
class RecordingMessageService : public MessageService {
public:
    struct Box {
        std::string text; // GBK
        unsigned flags = 0;
        std::string caption; // GBK; empty for a box in the application's style
    };

    int showMessageBox(const std::string& gbkText, unsigned flags) override;
    int showCaptionedBox(const std::string& gbkText, const std::string& gbkCaption, unsigned flags) override;
    void exitProcess(int status) override;

    // Answers for the next boxes, in order.
    void scriptAnswers(std::vector<int> answers);

    std::vector<Box> boxes;
    std::vector<int> exits;

    std::vector<std::string> texts() const;
    bool exited() const { return !exits.empty(); }
    void clear();

private:
    std::deque<int> answers_;
};

} // namespace joseki::test

#include "tests/support/RecordingMessageService.h"

namespace joseki::test {

int RecordingMessageService::showMessageBox(const std::string& gbkText, unsigned flags)
{
    return showCaptionedBox(gbkText, std::string(), flags);
}

int RecordingMessageService::showCaptionedBox(const std::string& gbkText, const std::string& gbkCaption, unsigned flags)
{
    boxes.push_back({gbkText, flags, gbkCaption});
    if (answers_.empty())
        return mb::kIdOk;
    const int answer = answers_.front();
    answers_.pop_front();
    return answer;
}

void RecordingMessageService::exitProcess(int status) { exits.push_back(status); }

void RecordingMessageService::scriptAnswers(std::vector<int> answers)
{
    answers_.assign(answers.begin(), answers.end());
}

std::vector<std::string> RecordingMessageService::texts() const
{
    std::vector<std::string> result;
    result.reserve(boxes.size());
    for (const Box& box : boxes)
        result.push_back(box.text);
    return result;
}

void RecordingMessageService::clear()
{
    boxes.clear();
    exits.clear();
    answers_.clear();
}

} // namespace joseki::test

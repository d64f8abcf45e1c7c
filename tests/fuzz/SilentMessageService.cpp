#include "tests/fuzz/SilentMessageService.h"

#include "core/JosekiEngine.h"

#include <cstring>

namespace joseki::fuzz {

int SilentMessageService::showMessageBox(const std::string& gbkText, unsigned)
{
    // Touch every byte so a text built from freed or unterminated memory shows up.
    volatile unsigned char sum = 0;
    for (char c : gbkText)
        sum = static_cast<unsigned char>(sum + static_cast<unsigned char>(c));
    ++boxes;
    return mb::kIdOk;
}

int SilentMessageService::showCaptionedBox(const std::string& gbkText, const std::string& gbkCaption, unsigned flags)
{
    return showMessageBox(gbkText + gbkCaption, flags);
}

void SilentMessageService::exitProcess(int) { exited = true; }

} // namespace joseki::fuzz

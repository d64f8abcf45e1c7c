#include "PrintingMessageService.h"

#include "GbkText.h"

#include <cstdio>

namespace joseki::pack {

int PrintingMessageService::showMessageBox(const std::string& gbkText, unsigned)
{
    std::fprintf(stream_, "message: %s\n", GbkText::toDisplayUtf8(gbkText).c_str());
    ++boxCount_;
    return mb::kIdOk;
}

int PrintingMessageService::showCaptionedBox(const std::string& gbkText, const std::string&, unsigned flags)
{
    return showMessageBox(gbkText, flags);
}

void PrintingMessageService::exitProcess(int status)
{
    if (!exitRequested_)
        exitStatus_ = status;
    exitRequested_ = true;
}

} // namespace joseki::pack

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

void SilentMessageService::exitProcess(int) { exited = true; }

void setLibraryText(JosekiEngine& engine, const unsigned char* data, std::size_t size)
{
    engine.textBufferSize = size + 1;
    engine.textBuffer = std::make_unique<char[]>(size + 1);
    if (size > 0)
        std::memcpy(engine.textBuffer.get(), data, size);
    engine.textBuffer[size] = '\0';
    engine.readPos = engine.textBuffer.get();
}

} // namespace joseki::fuzz

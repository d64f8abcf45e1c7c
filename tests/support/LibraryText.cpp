#include "tests/support/LibraryText.h"

#include "core/JosekiEngine.h"
#include "library/LibraryLoader.h"

#include <cstring>

namespace joseki::test {

void loadLibraryText(JosekiEngine& engine, const std::string& text)
{
    engine.textBufferSize = text.size() + 1;
    engine.textBuffer = std::make_unique<char[]>(engine.textBufferSize);
    std::memcpy(engine.textBuffer.get(), text.data(), text.size());
    engine.textBuffer[text.size()] = '\0';
    engine.readPos = engine.textBuffer.get();
    readLibraryText(engine);
}

} // namespace joseki::test

#pragma once

#include <string>

namespace joseki {
class JosekiEngine;
}

namespace joseki::test {

// Puts a library text (GBK, in the reader's dialect) into the engine's buffer
// and reads it exactly as the browser does at start: escape check, "(;"
// check, reader, cursor to the root.
void loadLibraryText(JosekiEngine& engine, const std::string& text);

} // namespace joseki::test

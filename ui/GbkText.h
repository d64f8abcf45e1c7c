#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace joseki {

// Texts inside the program are GBK bytes; Qt shows Unicode. These two are the
// only crossings between the two.

// Unicode text of GBK bytes. Never fails: a character cut in half at the end
// is dropped, an invalid byte becomes the replacement character.
QString gbkToQString(std::string_view gbkText);

// GBK bytes of a Unicode text; characters GBK cannot hold become '?'.
std::string qStringToGbk(const QString& text);

} // namespace joseki

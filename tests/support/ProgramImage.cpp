#include "tests/support/ProgramImage.h"

#include "library/TextScrambler.h"

namespace joseki::test {

namespace {

// What fills the program image in front of the container.
constexpr char kImageFill = 'P';

} // namespace

std::string programImage(const std::string& text, std::size_t length)
{
    std::string scrambled = text.substr(0, kContainerTextLength);
    TextScrambler::scramble(scrambled.data());
    std::string container = std::string(kContainerMagic, kMagicLength) + scrambled;
    container.resize(kContainerLength, '\0');
    return std::string(length - kContainerLength, kImageFill) + container;
}

} // namespace joseki::test

#include "ContainerWriter.h"

#include "OutputFile.h"

#include "library/LibraryLoader.h"
#include "library/TextScrambler.h"

#include <cstdio>
#include <cstring>

namespace joseki::pack {

namespace {

constexpr int kSuccess = 0;
constexpr int kFailure = 1;

void fail(const std::string& message) { std::fprintf(stderr, "joseki-pack: %s\n", message.c_str()); }

bool readLibraryContainer(const std::string& libraryPath, std::string& container)
{
    std::string text;
    std::string error;
    if (!OutputFile::readAll(libraryPath, text, error) || !ContainerWriter::build(text, container, error)) {
        fail(error.rfind(libraryPath, 0) == 0 ? error : libraryPath + ": " + error);
        return false;
    }
    return true;
}

// True when `image` already ends with a container (a browser packed before).
bool endsWithContainer(const std::string& image)
{
    return image.size() >= kContainerLength &&
           std::memcmp(image.data() + image.size() - kContainerLength, kContainerMagic, kMagicLength) == 0;
}

} // namespace

bool ContainerWriter::build(const std::string& text, std::string& container, std::string& error)
{
    if (text.size() > kContainerTextLength) {
        error = "library text of " + std::to_string(text.size()) + " bytes does not fit a container (at most " +
                std::to_string(kContainerTextLength) + " bytes)";
        return false;
    }
    const std::size_t zero = text.find('\0');
    if (zero != std::string::npos) {
        error = "library text holds a zero byte at offset " + std::to_string(zero) +
                "; the browser would stop reading there";
        return false;
    }
    std::string scrambled = text;
    TextScrambler::scramble(scrambled.data());
    container.assign(kContainerMagic, kMagicLength);
    container += scrambled;
    container.resize(kContainerLength, '\0');
    return true;
}

int ContainerWriter::pack(const std::string& libraryPath, const std::string& outputPath)
{
    std::string container;
    if (!readLibraryContainer(libraryPath, container))
        return kFailure;
    std::string error;
    if (!OutputFile::writeAtomically(outputPath, container, error)) {
        fail(error);
        return kFailure;
    }
    return kSuccess;
}

int ContainerWriter::append(const std::string& executablePath, const std::string& libraryPath,
                            const std::string& outputPath)
{
    std::string image;
    std::string error;
    if (!OutputFile::readAll(executablePath, image, error)) {
        fail(error);
        return kFailure;
    }
    std::string container;
    if (!readLibraryContainer(libraryPath, container))
        return kFailure;
    if (endsWithContainer(image)) {
        image.resize(image.size() - kContainerLength);
        std::printf("%s: replacing the library it already holds\n", executablePath.c_str());
    }
    if (image.size() + kContainerLength < kMinimumExecutableLength)
        image.resize(kMinimumExecutableLength - kContainerLength, '\0');
    if (!OutputFile::writeAtomically(outputPath, image + container, error, executablePath)) {
        fail(error);
        return kFailure;
    }
    return kSuccess;
}

} // namespace joseki::pack

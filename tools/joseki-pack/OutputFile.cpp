#include "OutputFile.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>
#include <system_error>

namespace joseki::pack {

namespace fs = std::filesystem;

namespace {

constexpr fs::perms kExecuteBits = fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec;

// A name in the output's own directory, so that the final rename stays on one file system.
fs::path temporaryNameBeside(const fs::path& path)
{
    std::random_device seed;
    std::ostringstream name;
    name << "." << path.filename().string() << ".tmp-" << std::hex << seed() << seed();
    return path.parent_path() / name.str();
}

bool copyExecuteBits(const fs::path& from, const fs::path& to, std::string& error)
{
    std::error_code code;
    const fs::perms source = fs::status(from, code).permissions();
    if (!code)
        fs::permissions(to, source & kExecuteBits, fs::perm_options::add, code);
    if (code) {
        error = to.string() + ": cannot set permissions: " + code.message();
        return false;
    }
    return true;
}

} // namespace

bool OutputFile::readAll(const fs::path& path, std::string& bytes, std::string& error)
{
    std::error_code code;
    if (fs::is_directory(path, code)) {
        error = path.string() + ": is a directory";
        return false;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = path.string() + ": cannot open: " + std::strerror(errno);
        return false;
    }
    // One read of the known size: growing the string byte by byte would copy
    // and touch the text several times over. A stream of unknown size is
    // read to its end.
    in.seekg(0, std::ios::end);
    const std::streamoff length = in.tellg();
    if (length >= 0) {
        in.seekg(0, std::ios::beg);
        bytes.resize(static_cast<std::size_t>(length));
        in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    } else {
        in.clear();
        bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    if (in.bad()) {
        error = path.string() + ": read error";
        return false;
    }
    return true;
}

bool OutputFile::writeAtomically(const fs::path& path, const std::string& bytes, std::string& error,
                                 const fs::path& executableFrom)
{
    const fs::path temporary = temporaryNameBeside(path);
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) {
            error = path.string() + ": cannot create a file in its directory: " + std::strerror(errno);
            return false;
        }
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            std::error_code ignored;
            fs::remove(temporary, ignored);
            error = path.string() + ": write error";
            return false;
        }
    }
    std::error_code code;
    if (!executableFrom.empty() && !copyExecuteBits(executableFrom, temporary, error)) {
        fs::remove(temporary, code);
        return false;
    }
    fs::rename(temporary, path, code);
    if (code) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        error = path.string() + ": cannot replace: " + code.message();
        return false;
    }
    return true;
}

} // namespace joseki::pack

#pragma once

#include "library/LibraryLoader.h"

#include <cstddef>
#include <string>

namespace joseki::test {

// A program image of `length` bytes that ends with a container holding the
// text (cut to the container's room), scrambled and padded with zero bytes.
std::string programImage(const std::string& text, std::size_t length = kMinimumExecutableLength);

} // namespace joseki::test

#include "operations/LibraryText.h"

#include <cstring>

namespace vantrel {

std::string LibraryText(const char* buffer, std::size_t capacity) {
    const void* end = std::memchr(buffer, '\0', capacity);
    std::size_t length = end != nullptr ? static_cast<const char*>(end) - buffer : capacity;
    return SystemCodePageToUtf8(std::string(buffer, length));
}

}  // namespace vantrel

// The decoder the operations declare (operations/LibraryText.h): the
// library's texts are in the system code page.
#include "devicelib/TextConversion.h"
#include "operations/LibraryText.h"

namespace vantrel {

std::string SystemCodePageToUtf8(const std::string& text) {
    return CodePageToUtf8(text);
}

}  // namespace vantrel

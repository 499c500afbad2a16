// Fuzzes the dialog-template reader with arbitrary bytes (seeded with the
// program's two real templates).
//
// The reader stays within the bytes whatever they hold (AddressSanitizer
// sees every read), and a template it accepts, copied with another face and
// point size, reads back with that font and everything else as it was.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "FuzzSupport.h"
#include "app/fitting/DialogTemplate.h"

namespace {

using vantrel::DialogTemplate;

bool SameItem(const DialogTemplate::Item& a, const DialogTemplate::Item& b) {
    return a.className == b.className && a.style == b.style && a.x == b.x && a.y == b.y &&
           a.cx == b.cx && a.cy == b.cy && a.id == b.id && a.text == b.text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // A copy of exactly `size` bytes: the sanitizer sees a read one past them.
    const std::vector<uint8_t> bytes(data, data + size);
    const DialogTemplate dialog(bytes.data(), bytes.size());
    if (!dialog.Valid()) {
        return 0;
    }
    const std::vector<uint32_t> copy = dialog.WithFont(L"Liberation Serif", 8);
    const DialogTemplate fitted(reinterpret_cast<const uint8_t*>(copy.data()), copy.size() * 4);
    FUZZ_REQUIRE(fitted.Valid(), "the copy reads");
    FUZZ_REQUIRE(fitted.Font() == (vantrel::DialogFont{L"Liberation Serif", 8}),
                 "the copy has the new font");
    FUZZ_REQUIRE(fitted.Style() == dialog.Style() && fitted.ExStyle() == dialog.ExStyle() &&
                     fitted.Width() == dialog.Width() && fitted.Height() == dialog.Height(),
                 "the copy has the same frame");
    FUZZ_REQUIRE(fitted.Items().size() == dialog.Items().size(), "the copy has the same items");
    for (std::size_t i = 0; i < dialog.Items().size(); ++i) {
        FUZZ_REQUIRE(SameItem(fitted.Items()[i], dialog.Items()[i]), "each item as it was");
    }
    return 0;
}

// The platform-neutral pieces of the export layer: exception guard and
// bounded text copies.
#include <gtest/gtest.h>

#include <cstring>
#include <stdexcept>

#include "emulator/exports/BoundedText.h"
#include "emulator/exports/ExportGuard.h"

namespace orlog7emu {
namespace {

TEST(ExportGuard, NoExceptionLeavesAndOutOfMemoryHasItsCode) {
    EXPECT_EQ(Guarded(5, 18, [] { return 14; }), 14);
    EXPECT_EQ(Guarded(5, 18, []() -> int32_t { throw std::bad_alloc(); }), 5);
    EXPECT_EQ(Guarded(5, 18, []() -> int32_t { throw std::runtime_error("x"); }), 18);
    EXPECT_EQ(Guarded(5, 18, []() -> int32_t { throw 42; }), 18);
}

TEST(BoundedText, NeverWritesPastTheBuffer) {
    const std::string texts[] = {"", "V1.00", "1234567", "12345678", std::string(40, 'x')};
    for (const std::string& text : texts) {
        char buffer[8 + 4];
        std::memset(buffer, '#', sizeof buffer);
        CopyText(buffer, 8, text);
        EXPECT_EQ(std::string(buffer), text.substr(0, 7)) << text;
        for (size_t i = 8; i < sizeof buffer; ++i)
            EXPECT_EQ(buffer[i], '#') << text;
    }
    CopyText(nullptr, 8, "x");  // no crash
}

}  // namespace
}  // namespace orlog7emu

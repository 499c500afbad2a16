#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "operations/StatusFields.h"
#include "tests/common/ExpectedFieldTexts.h"
#include "tests/common/FakeWindow.h"

namespace vantrel {
namespace testing {
namespace {

// Fills `buffer` with `text`; a text as long as the buffer leaves no terminator.
template <std::size_t N>
void Fill(char (&buffer)[N], const std::string& text) {
    std::memset(buffer, 0, N);
    std::memcpy(buffer, text.data(), std::min(N, text.size()));
}

TEST(StatusFields, SerialNumberIsUnsignedDecimal) {
    FirmwareVersionBuffer fw = {};
    DistributorNameBuffer distributor = {};
    ModelNameBuffer model = {};
    for (uint32_t serial : {0u, 7u, 1000000000u, 2147483648u, 4294967295u}) {
        EXPECT_EQ(AsEvents(DeviceInformationFields(serial, fw, distributor, model)),
                  expected::DeviceInformationFields(serial, "", "", ""));
    }
}

TEST(StatusFields, TextsAreShownByteForByteUpToTheirZero) {
    DllVersionBuffer dll;
    Fill(dll, std::string(" v1.0 \x01", 7));
    dll[10] = 'X';  // after the terminator: not shown
    EXPECT_EQ(AsEvents({DllVersionField(dll)}),
              expected::DllVersionFields(std::string(" v1.0 \x01", 7)));
}

// The host tests link an ISO 8859-1 decoder (tests/stubs/HostCodePage.cpp), in
// which B0 is the degree sign and E9 is e with an acute accent.
TEST(StatusFields, TextsAreDecodedFromTheSystemCodePage) {
    DllVersionBuffer dll;
    Fill(dll,
         "\xB0"
         "1");
    EXPECT_EQ(AsEvents({DllVersionField(dll)}), expected::DllVersionFields("\xC2\xB0"
                                                                           "1"));

    // Filled to its end without a terminator: every byte decoded, none beyond.
    BinFileVersionBuffer binFile;
    std::memset(binFile, 0xE9, sizeof binFile);
    std::string accents;
    for (std::size_t i = 0; i < sizeof binFile; ++i) {
        accents += "\xC3\xA9";
    }
    EXPECT_EQ(AsEvents({BinFileVersionField(binFile)}), expected::BinFileVersionFields(accents));
}

// Shown as delivered, day first, whatever the calendar says.
TEST(StatusFields, GpsUtcTime) {
    const GpsUtcTime times[] = {{9, 5, 3, 7, 12, 25},
                                {0, 0, 0, 0, 0, 0},
                                {24, 60, 61, 255, 13, 32},
                                {23, 59, 59, 99, 1, 1}};
    for (const GpsUtcTime& t : times) {
        EXPECT_EQ(AsEvents({GpsUtcTimeField(t)}),
                  expected::GpsTimeFields(t.hour, t.minute, t.second, t.year, t.month, t.day));
    }
}

// The extremes wrap in two's complement rather than overflowing.
TEST(StatusFields, MemorySizes) {
    const std::pair<int32_t, int32_t> usedAndFree[] = {
        {1048576, 2949120},
        {0, 3997696},
        {3997696, 0},
        {4000000, -2304},
        {-1, 3997697},
        {INT32_MIN, INT32_MIN + 3997696},
        {INT32_MAX, -2143485951},
        {-2143485953, INT32_MIN + 1},
        {-2143485952, INT32_MIN},
    };
    for (const auto& [used, free] : usedAndFree) {
        EXPECT_EQ(FreeMemorySize(used), free) << used;
        EXPECT_EQ(AsEvents(MemorySizeFields(used)), expected::MemoryFields(used));
    }
}

}  // namespace
}  // namespace testing
}  // namespace vantrel

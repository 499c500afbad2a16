#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "operations/StatusFields.h"
#include "res/resource.h"

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
    const std::pair<uint32_t, const char*> cases[] = {
        {0u, "( SerialNumber = 0 )"},
        {7u, "( SerialNumber = 7 )"},
        {1000000000u, "( SerialNumber = 1000000000 )"},
        {2147483648u, "( SerialNumber = 2147483648 )"},
        {4294967295u, "( SerialNumber = 4294967295 )"},
    };
    FirmwareVersionBuffer fw = {};
    DistributorNameBuffer distributor = {};
    ModelNameBuffer model = {};
    for (const auto& c : cases) {
        EXPECT_EQ(DeviceInformationFields(c.first, fw, distributor, model).front(),
                  (FieldText{IDC_SERIAL_NUMBER, c.second}));
    }
}

TEST(StatusFields, TextsAreShownByteForByteUpToTheirZero) {
    DllVersionBuffer dll;
    Fill(dll, std::string(" v1.0 \x01", 7));
    dll[10] = 'X';  // after the terminator: not shown
    EXPECT_EQ(DllVersionField(dll).text, "( DLL Version =  v1.0 \x01 )");
}

// The host tests link an ISO 8859-1 decoder (tests/stubs/HostCodePage.cpp), in
// which B0 is the degree sign and E9 is e with an acute accent.
TEST(StatusFields, TextsAreDecodedFromTheSystemCodePage) {
    DllVersionBuffer dll;
    Fill(dll,
         "\xB0"
         "1");
    EXPECT_EQ(DllVersionField(dll).text,
              "( DLL Version = \xC2\xB0"
              "1 )");

    // Filled to its end without a terminator: every byte decoded, none beyond.
    BinFileVersionBuffer binFile;
    std::memset(binFile, 0xE9, sizeof binFile);
    std::string accents;
    for (std::size_t i = 0; i < sizeof binFile; ++i) {
        accents += "\xC3\xA9";
    }
    EXPECT_EQ(BinFileVersionField(binFile).text, "( Bin File FW Version = " + accents + " )");
}

TEST(StatusFields, GpsUtcTime) {
    struct Case {
        GpsUtcTime time;  // hour, minute, second, year, month, day
        const char* text;
    };
    const Case cases[] = {
        {{9, 5, 3, 7, 12, 25}, "( GPS UTC = 9:5:3  ,  25,12,7 )"},
        {{0, 0, 0, 0, 0, 0}, "( GPS UTC = 0:0:0  ,  0,0,0 )"},
        {{24, 60, 61, 255, 13, 32}, "( GPS UTC = 24:60:61  ,  32,13,255 )"},  // as delivered
        {{23, 59, 59, 99, 1, 1}, "( GPS UTC = 23:59:59  ,  1,1,99 )"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(GpsUtcTimeField(c.time), (FieldText{IDC_GPS_TIME, c.text}));
    }
}

TEST(StatusFields, MemorySizes) {
    struct Case {
        int32_t used;
        int32_t free;
        const char* usedText;
        const char* freeText;
    };
    const Case cases[] = {
        {1048576, 2949120, "( Memory Used Size = 1048576 Bytes )",
         "( Free Memory Size = 2949120 Bytes )"},
        {0, 3997696, "( Memory Used Size = 0 Bytes )", "( Free Memory Size = 3997696 Bytes )"},
        {3997696, 0, "( Memory Used Size = 3997696 Bytes )", "( Free Memory Size = 0 Bytes )"},
        {4000000, -2304, "( Memory Used Size = 4000000 Bytes )",
         "( Free Memory Size = -2304 Bytes )"},
        {-1, 3997697, "( Memory Used Size = -1 Bytes )", "( Free Memory Size = 3997697 Bytes )"},
        // The extremes wrap in two's complement rather than overflowing.
        {INT32_MIN, INT32_MIN + 3997696, "( Memory Used Size = -2147483648 Bytes )",
         "( Free Memory Size = -2143485952 Bytes )"},
        {INT32_MAX, -2143485951, "( Memory Used Size = 2147483647 Bytes )",
         "( Free Memory Size = -2143485951 Bytes )"},
        {-2143485953, INT32_MIN + 1, "( Memory Used Size = -2143485953 Bytes )",
         "( Free Memory Size = -2147483647 Bytes )"},
        {-2143485952, INT32_MIN, "( Memory Used Size = -2143485952 Bytes )",
         "( Free Memory Size = -2147483648 Bytes )"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FreeMemorySize(c.used), c.free) << c.used;
        const std::vector<FieldText> expected = {{IDC_MEMORY_USED, c.usedText},
                                                 {IDC_MEMORY_FREE, c.freeText}};
        EXPECT_EQ(MemorySizeFields(c.used), expected);
    }
}

}  // namespace
}  // namespace testing
}  // namespace vantrel

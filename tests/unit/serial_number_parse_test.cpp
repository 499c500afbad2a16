#include <gtest/gtest.h>

#include <string>

#include "operations/SerialNumber.h"

namespace vantrel {
namespace testing {
namespace {

constexpr uint32_t kUntouched = 0xDEADBEEFu;

// The value ParseSerialNumber gives for `text`, or kUntouched when it fails
// (and then must not have written the output).
struct ParseCase {
    std::string text;
    bool ok;
    uint32_t value;
};

void ExpectParses(const ParseCase& c) {
    uint32_t value = kUntouched;
    const bool ok = ParseSerialNumber(&value, c.text.data(), static_cast<uint32_t>(c.text.size()));
    EXPECT_EQ(ok, c.ok) << '"' << c.text << '"';
    EXPECT_EQ(value, c.ok ? c.value : kUntouched) << '"' << c.text << '"';
}

TEST(ParseSerialNumber, ValidTexts) {
    const ParseCase cases[] = {
        {"0", true, 0},
        {"7", true, 7},
        {"007", true, 7},
        {"1000000000", true, 1000000000u},
        {"4294967295", true, 4294967295u},
        {"04294967295", true, 4294967295u},
        {std::string(30, '0') + "42", true, 42},
        {std::string(39, '0'), true, 0},
        {std::string(38, '0') + "9", true, 9},
        {std::string(29, '0') + "4294967295", true, 4294967295u},  // 39 characters
        {"0123456789", true, 123456789u},
        {"3999999999", true, 3999999999u},
    };
    for (const ParseCase& c : cases) {
        ExpectParses(c);
    }
}

TEST(ParseSerialNumber, AboveThirtyTwoBitsIsRefused) {
    const ParseCase cases[] = {
        {"4294967296", false, 0},
        {"4999999999", false, 0},
        {"9999999999", false, 0},
        {"99999999999", false, 0},
        {"10000000000", false, 0},
        {"10000000001", false, 0},  // would wrap to 1705032705 in 32 bits
        {"1" + std::string(38, '0'), false, 0},
        {"8589934592", false, 0},  // 2^33: would wrap to 0
    };
    for (const ParseCase& c : cases) {
        ExpectParses(c);
    }
}

TEST(ParseSerialNumber, AnyOtherCharacterIsRefused) {
    const ParseCase cases[] = {
        {"", false, 0},
        {" 42", false, 0},
        {"42 ", false, 0},
        {"+42", false, 0},
        {"-42", false, 0},
        {"4.2", false, 0},
        {"1,000", false, 0},
        {"4a", false, 0},
        {"/", false, 0},  // the bytes on either side of the digits
        {":", false, 0},
        {std::string("4\0"
                     "2",
                     3),
         false, 0},
        {"\xEF\xBC\x91", false, 0},   // full-width 1, UTF-8
        {"4\xEF\xBC\x92", false, 0},  // 4 and full-width 2, UTF-8
        {"\xA2\xB0", false, 0},       // full-width 1, code page 950
        {"\xA2\xB0"
         "5",
         false, 0},
        {"x" + std::string(20, '0'), false, 0},  // the bad character far left
    };
    for (const ParseCase& c : cases) {
        ExpectParses(c);
    }
}

TEST(ParseSerialNumber, ReadsOnlyTheGivenLength) {
    uint32_t value = kUntouched;
    EXPECT_TRUE(ParseSerialNumber(&value, "12x", 2));
    EXPECT_EQ(value, 12u);
    EXPECT_FALSE(ParseSerialNumber(&value, "12", 0));
    EXPECT_EQ(value, 12u);
    // A text without a terminator, ending at the end of its array (ASan).
    const char digits[3] = {'9', '0', '1'};
    EXPECT_TRUE(ParseSerialNumber(&value, digits, sizeof digits));
    EXPECT_EQ(value, 901u);
}

}  // namespace
}  // namespace testing
}  // namespace vantrel

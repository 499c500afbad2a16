// Fuzzes the serial-number conversion with arbitrary bytes and lengths, on
// its own and behind the Setting SN button.
//
// The conversion accepts exactly the texts of one or more digits whose value
// fits 32 bits and yields that value; on failure it leaves the output alone.
// The button adds one rule: a text longer than 39 characters is refused
// whole. Both are checked against a reference that works in 128 bits.
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "operations/Operations.h"
#include "operations/SerialNumber.h"
#include "tests/common/ScriptedLibrary.h"

namespace vantrel {
namespace fuzz {
namespace {

struct Reference {
    bool accepted;
    uint32_t value;
};

// Decimal value of the text, held in 128 bits and clamped once it passes
// 2^64, so that no digit count can wrap it back into range.
Reference ReferenceParse(const unsigned char* text, size_t length) {
    if (length == 0) {
        return {false, 0};
    }
    const unsigned __int128 clamp = static_cast<unsigned __int128>(1) << 64;
    unsigned __int128 value = 0;
    for (size_t i = 0; i < length; ++i) {
        if (text[i] < '0' || text[i] > '9') {
            return {false, 0};
        }
        value = value * 10 + (text[i] - '0');
        if (value > clamp) {
            value = clamp;
        }
    }
    if (value > UINT32_MAX) {
        return {false, 0};
    }
    return {true, static_cast<uint32_t>(value)};
}

void CheckConversion(const unsigned char* data, size_t size, const Reference& reference) {
    // Two different presets, so an output written on failure is seen even
    // when the written value happens to equal one of them.
    for (const uint32_t preset : {0xA5A5A5A5u, 0x5A5A5A5Au}) {
        uint32_t value = preset;
        const bool ok = ParseSerialNumber(&value, reinterpret_cast<const char*>(data),
                                          static_cast<uint32_t>(size));
        FUZZ_REQUIRE(ok == reference.accepted, "accepts exactly the 32-bit digit texts");
        if (ok) {
            FUZZ_REQUIRE(value == reference.value, "yields the text's value");
        } else {
            FUZZ_REQUIRE(value == preset, "leaves the output alone on failure");
        }
    }
}

void CheckButton(const unsigned char* data, size_t size, Reference reference) {
    if (size > kSerialNumberTextLimit) {
        reference.accepted = false;
    }
    testing::OperationRig rig;
    rig.Link().result = 41;
    rig.window.serialNumberText.assign(reinterpret_cast<const char*>(data), size);

    SetSerialNumber(rig.Context());

    const std::vector<testing::LibraryCall>& calls = testing::Calls();
    const std::vector<std::string> boxes = rig.window.Boxes();
    FUZZ_REQUIRE(rig.window.FieldWrites().empty(), "the button writes no field");
    FUZZ_REQUIRE(boxes.size() == 1, "exactly one box");
    FUZZ_REQUIRE(calls.size() == (reference.accepted ? 1u : 0u),
                 "the library sees only accepted texts");
    if (reference.accepted) {
        FUZZ_REQUIRE(calls[0].serialNumber == reference.value, "the library gets the text's value");
        FUZZ_REQUIRE(boxes[0] == expected::MessageOf(41), "the result box");
    } else {
        FUZZ_REQUIRE(boxes[0] == expected::kSerialRefused, "the text error box");
    }
}

}  // namespace
}  // namespace fuzz
}  // namespace vantrel

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace vantrel::fuzz;
    const Reference reference = ReferenceParse(data, size);
    CheckConversion(data, size, reference);
    CheckButton(data, size, reference);
    return 0;
}

// Fuzzes the emulator's firmware-image check with arbitrary bytes.
//
// Each input is checked as it is, of any length, and laid into a whole
// image: its bytes from the start, zeros after them, and the CRC-32 of the
// rest in the last four bytes, so that the header's fields are reached. The
// check answers 33, 34, 36 or 0; an image it accepts has a version that fits
// the device, and a header exactly as a real image of that version has it.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

#include "Crc32.h"
#include "FirmwareImage.h"
#include "FuzzSupport.h"
#include "ResultCode.h"

namespace {

using namespace orlog7emu;

void Check(const Bytes& image) {
    std::string version;
    const int32_t result = CheckImage(image, version);
    if (image.size() != kImageSize) {
        FUZZ_REQUIRE(result == code::kBinFileSizeError, "a wrong size answers 33");
        return;
    }
    FUZZ_REQUIRE(
        result == 0 || result == code::kNotCorrectBinFile || result == code::kBinFileChecksumError,
        "a whole image answers 0, 34 or 36");
    if (result != 0) {
        return;
    }
    FUZZ_REQUIRE(IsValidFirmwareVersion(version), "a version that fits the device");
    const Bytes real = BuildImage(version);
    FUZZ_REQUIRE(std::equal(image.begin(), image.begin() + kImageHeaderSize, real.begin()),
                 "the header of a real image of that version");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Check(Bytes(data, data + size));
    Bytes image(kImageSize, 0);
    std::copy(data, data + std::min(size, kImageSize - 4), image.begin());
    PutLe32(image.data() + kImageSize - 4, Crc32(image.data(), kImageSize - 4));
    Check(image);
    return 0;
}

#include "operations/SerialNumber.h"

namespace vantrel {
namespace {

// Place weights of the ten places a 32-bit value can use; a non-zero digit
// further left can only overflow.
constexpr uint32_t kPlaceWeights[] = {1u,      10u,      100u,      1000u,      10000u,
                                      100000u, 1000000u, 10000000u, 100000000u, 1000000000u};
constexpr uint32_t kPlaceCount = sizeof kPlaceWeights / sizeof kPlaceWeights[0];

}  // namespace

bool ParseSerialNumber(uint32_t* value, const char* text, uint32_t length) {
    if (length == 0) {
        return false;
    }
    // Summed in 64 bits so that a value above 32 bits is seen, not wrapped.
    uint64_t sum = 0;
    for (uint32_t place = 0; place < length; ++place) {
        const unsigned char c = static_cast<unsigned char>(text[length - 1 - place]);
        if (c < '0' || c > '9') {
            return false;
        }
        const uint32_t digit = c - '0';
        if (digit == 0) {
            continue;
        }
        if (place >= kPlaceCount) {
            return false;
        }
        sum += static_cast<uint64_t>(digit) * kPlaceWeights[place];
    }
    if (sum > UINT32_MAX) {
        return false;
    }
    *value = static_cast<uint32_t>(sum);
    return true;
}

}  // namespace vantrel

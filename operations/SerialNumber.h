// The serial number the user types: a decimal text converted to 32 bits.
#ifndef VANTREL_OPERATIONS_SERIALNUMBER_H
#define VANTREL_OPERATIONS_SERIALNUMBER_H

#include <cstdint>

namespace vantrel {

// The longest serial-number text accepted, in characters.
constexpr uint32_t kSerialNumberTextLimit = 39;

// Converts `length` characters of `text` (no terminator needed) as a decimal
// number. Fails, leaving `*value` untouched, for an empty text, any character
// other than '0' to '9', or a value above 4294967295. Leading zeros are
// accepted in any number.
bool ParseSerialNumber(uint32_t* value, const char* text, uint32_t length);

}  // namespace vantrel

#endif

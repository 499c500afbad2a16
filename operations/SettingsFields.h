// The texts the settings readback writes into its nineteen fields. Pure
// functions of the values read, so they can be checked without a window.
#ifndef VANTREL_OPERATIONS_SETTINGSFIELDS_H
#define VANTREL_OPERATIONS_SETTINGSFIELDS_H

#include <cstddef>
#include <string>
#include <vector>

#include "operations/FieldText.h"
#include "operations/SettingsValues.h"

namespace vantrel {

// Every field text of one reading, in the order the fields are written: the
// nine settings fields, then the ten user-point lines. A value that leaves
// its field as it was (a vibration other than 0 and 2) has no entry.
std::vector<FieldText> SettingsFieldTexts(const DeviceSettings& reading);

// The line shown for user-point slot `slot` (0..9).
std::string UserPointLine(std::size_t slot, const UserPoint& point);

}  // namespace vantrel

#endif

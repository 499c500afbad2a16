// The readouts a layout must show whole besides the templates' own texts:
// each output field as it reads in use. The settings are the program's own,
// read back; numbers are at their widest; texts have the lengths the
// logger's libraries give (those of the emulated logger).
#ifndef VANTREL_APP_REFERENCEREADOUTS_H
#define VANTREL_APP_REFERENCEREADOUTS_H

#include <vector>

#include "operations/FieldText.h"

namespace vantrel {

std::vector<FieldText> ReferenceReadouts();

}  // namespace vantrel

#endif

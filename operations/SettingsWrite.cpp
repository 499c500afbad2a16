#include "Operations.h"

namespace vantrel {

void WriteDeviceSettings(const OperationContext&) {}

}  // namespace vantrel

#include "Operations.h"

namespace vantrel {

void ReadDllVersion(const OperationContext&) {}
void ReadDeviceInformation(const OperationContext&) {}
void ReadGpsUtcTime(const OperationContext&) {}
void ReadMemoryUsedSize(const OperationContext&) {}

}  // namespace vantrel

#include "Operations.h"

namespace vantrel {

void ReadBinFileFirmwareVersion(const OperationContext&) {}
void UpgradeFirmware(const OperationContext&) {}

}  // namespace vantrel

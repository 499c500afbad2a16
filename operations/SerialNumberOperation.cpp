#include "Operations.h"

namespace vantrel {

void SetSerialNumber(const OperationContext&) {}

}  // namespace vantrel

#include "Operations.h"

namespace vantrel {

void ReadSettingValues(const OperationContext&) {}

}  // namespace vantrel

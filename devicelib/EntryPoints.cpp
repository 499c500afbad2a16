#include "devicelib/EntryPoints.h"

namespace vantrel {

const std::array<const char*, kExportCount> kExportNames = {
#define VANTREL_NAME(name, symbol) #symbol,
    VANTREL_DEVICE_EXPORTS(VANTREL_NAME)
#undef VANTREL_NAME
};

}  // namespace vantrel

#include "app/PortList.h"

namespace vantrel {

std::string PortListEntry(int position) {
    if (position <= 0) {
        return std::string();
    }
    std::string digits = std::to_string(position);
    return position < 10 ? "COM0" + digits : "COM" + digits;
}

}  // namespace vantrel

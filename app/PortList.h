// The entries of the port selector: position 0 is blank, position n (1..99)
// is "COMnn". The leading zero keeps the sorted list in numeric order.
#ifndef VANTREL_APP_PORTLIST_H
#define VANTREL_APP_PORTLIST_H

#include <string>

namespace vantrel {

constexpr int kPortListSize = 100;
constexpr int kDefaultPortPosition = 2;  // "COM02"

std::string PortListEntry(int position);

}  // namespace vantrel

#endif

#include "OperationSteps.h"

namespace vantrel {

bool CodeList::Contains(int32_t code) const {
    for (int32_t listed : *this) {
        if (listed == code) {
            return true;
        }
    }
    return false;
}

void ShowResult(OperationWindow& window, const std::string& text) {
    window.ShowMessage(text, kResultCaption, BoxOwner::MainWindow);
}

bool ShowListedResult(OperationWindow& window, CodeList listed, int32_t result) {
    if (!listed.Contains(result)) {
        return false;
    }
    const char* text = ResultMessageText(result);
    ShowResult(window, text != nullptr ? text : "");
    return true;
}

uint8_t ReadPortIndex(OperationWindow& window) {
    return static_cast<uint8_t>(window.PortSelection() & 0xFF);
}

}  // namespace vantrel

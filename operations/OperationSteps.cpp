#include "operations/OperationSteps.h"

namespace vantrel {
namespace {

void ShowMessageOf(OperationWindow& window, int32_t result) {
    const char* text = ResultMessageText(result);
    ShowResult(window, text != nullptr ? text : "");
}

}  // namespace

void ShowResult(OperationWindow& window, const std::string& text) {
    window.ShowMessage(text, kResultCaption, BoxOwner::MainWindow);
}

void Report(OperationWindow& window, const OperationRule& rule, int32_t result,
            const std::vector<FieldText>& fields) {
    if (rule.failures.Contains(result)) {
        ShowMessageOf(window, result);
        return;
    }
    if (result != rule.success) {
        if (rule.unlisted == Unlisted::WritesFields) {
            WriteFields(window, fields);
        }
        return;
    }
    if (rule.fields == Fields::BeforeBox) {
        WriteFields(window, fields);
    }
    ShowMessageOf(window, result);
    if (rule.fields == Fields::AfterBox) {
        WriteFields(window, fields);
    }
    if (rule.secondBox != nullptr) {
        ShowResult(window, rule.secondBox);
    }
}

uint8_t ReadPortIndex(OperationWindow& window) {
    return static_cast<uint8_t>(window.PortSelection() & 0xFF);
}

}  // namespace vantrel

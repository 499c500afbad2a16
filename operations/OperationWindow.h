// What an operation needs from the main window. The dialog implements it;
// host tests implement it with a recorder.
#ifndef VANTREL_OPERATIONS_OPERATIONWINDOW_H
#define VANTREL_OPERATIONS_OPERATIONWINDOW_H

#include <string>

namespace vantrel {

enum class BoxOwner {
    MainWindow,  // modal to the main window
    None,        // no owner window (the link failure)
};

class OperationWindow {
public:
    virtual ~OperationWindow() = default;

    // Replaces the whole text of an output field. Text is UTF-8.
    virtual void SetFieldText(int controlId, const std::string& text) = 0;

    // A modal message box with one OK button and no icon; returns when the
    // user has dismissed it.
    virtual void ShowMessage(const std::string& text, const std::string& caption,
                             BoxOwner owner) = 0;

    // The port selector's current position (CB_GETCURSEL): -1 with no selection.
    virtual int PortSelection() = 0;

    // The whole text of the serial-number field, UTF-8.
    virtual std::string SerialNumberText() = 0;

    // Shows that the window is busy (wait cursor) while a library call runs.
    virtual void BeginBusy() = 0;
    virtual void EndBusy() = 0;
};

}  // namespace vantrel

#endif

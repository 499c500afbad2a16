// A stand-in for the main window that records what an operation does to it,
// in order: field writes, message boxes, port and serial-number reads. The
// unit tests and the fuzzers drive the operations through it.
#ifndef VANTREL_TESTS_COMMON_FAKEWINDOW_H
#define VANTREL_TESTS_COMMON_FAKEWINDOW_H

#include <functional>
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "operations/FieldText.h"
#include "operations/OperationWindow.h"
#include "tests/common/ExpectedResults.h"

namespace expected {
// How GoogleTest prints an event that differs, and a button a case is for.
inline void PrintTo(const Event& e, std::ostream* os) {
    *os << Describe(e);
}
inline void PrintTo(const Operation& op, std::ostream* os) {
    *os << op.exportName;
}
}  // namespace expected

namespace vantrel {
namespace testing {

struct WindowEvent {
    enum Kind { Field, Box, PortRead, SerialRead };
    explicit WindowEvent(Kind k) : kind(k) {}
    Kind kind;
    int controlId = 0;                      // Field
    std::string text;                       // Field, Box
    std::string caption;                    // Box
    BoxOwner owner = BoxOwner::MainWindow;  // Box
    bool busy = false;                      // whether the wait cursor was up at the time
};

class FakeWindow final : public OperationWindow {
public:
    int portSelection = 2;
    std::string serialNumberText;
    // Runs while a box is "open", before it is dismissed.
    std::function<void(const WindowEvent&)> onBox;

    std::vector<WindowEvent> events;
    std::map<int, std::string> fields;
    int busyDepth = 0;
    int busyCount = 0;

    void SetFieldText(int controlId, const std::string& text) override {
        WindowEvent e(WindowEvent::Field);
        e.controlId = controlId;
        e.text = text;
        Record(e);
        fields[controlId] = text;
    }
    void ShowMessage(const std::string& text, const std::string& caption, BoxOwner owner) override {
        WindowEvent e(WindowEvent::Box);
        e.text = text;
        e.caption = caption;
        e.owner = owner;
        Record(e);
        if (onBox) {
            onBox(e);
        }
    }
    int PortSelection() override {
        Record(WindowEvent(WindowEvent::PortRead));
        return portSelection;
    }
    std::string SerialNumberText() override {
        Record(WindowEvent(WindowEvent::SerialRead));
        return serialNumberText;
    }
    void BeginBusy() override {
        ++busyDepth;
        ++busyCount;
    }
    void EndBusy() override { --busyDepth; }

    // The field writes and boxes, in order, to compare with the oracle's.
    expected::Events Sequence() const {
        expected::Events out;
        for (const WindowEvent& e : events) {
            if (e.kind == WindowEvent::Field) {
                out.push_back(expected::Field(e.controlId, e.text));
            } else if (e.kind == WindowEvent::Box) {
                out.push_back(expected::Box(e.text, e.caption));
            }
        }
        return out;
    }
    // The texts of the boxes shown, in order.
    std::vector<std::string> Boxes() const {
        std::vector<std::string> out;
        for (const WindowEvent& e : Of(WindowEvent::Box)) {
            out.push_back(e.text);
        }
        return out;
    }
    // The controls written, in order.
    std::vector<int> FieldWrites() const {
        std::vector<int> out;
        for (const WindowEvent& e : Of(WindowEvent::Field)) {
            out.push_back(e.controlId);
        }
        return out;
    }
    int PortReads() const { return static_cast<int>(Of(WindowEvent::PortRead).size()); }

private:
    void Record(WindowEvent e) {
        e.busy = busyDepth > 0;
        events.push_back(e);
    }
    std::vector<WindowEvent> Of(WindowEvent::Kind kind) const {
        std::vector<WindowEvent> out;
        for (const WindowEvent& e : events) {
            if (e.kind == kind) {
                out.push_back(e);
            }
        }
        return out;
    }
};

// Field texts made by the program's field code, as the oracle lists them.
inline expected::Events AsEvents(const std::vector<FieldText>& fields) {
    expected::Events out;
    for (const FieldText& field : fields) {
        out.push_back(expected::Field(field.controlId, field.text));
    }
    return out;
}

}  // namespace testing
}  // namespace vantrel

#endif

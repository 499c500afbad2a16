// A stand-in for the main window that records what an operation does to it,
// in order: field writes, message boxes, port reads.
#ifndef VANTREL_TESTS_FAKEWINDOW_H
#define VANTREL_TESTS_FAKEWINDOW_H

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "devicelib/LibraryBinding.h"
#include "operations/Operations.h"
#include "tests/common/ExpectedResults.h"

namespace expected {
inline void PrintTo(const Event& e, std::ostream* os) {
    *os << Describe(e);
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
        e.busy = busyDepth > 0;
        events.push_back(e);
        fields[controlId] = text;
    }
    void ShowMessage(const std::string& text, const std::string& caption, BoxOwner owner) override {
        WindowEvent e(WindowEvent::Box);
        e.text = text;
        e.caption = caption;
        e.owner = owner;
        e.busy = busyDepth > 0;
        events.push_back(e);
        if (onBox) {
            onBox(e);
        }
    }
    int PortSelection() override {
        events.push_back(WindowEvent(WindowEvent::PortRead));
        return portSelection;
    }
    std::string SerialNumberText() override {
        events.push_back(WindowEvent(WindowEvent::SerialRead));
        return serialNumberText;
    }
    void BeginBusy() override {
        ++busyDepth;
        ++busyCount;
    }
    void EndBusy() override { --busyDepth; }

    // The texts of the boxes shown, in order.
    std::vector<std::string> Boxes() const {
        std::vector<std::string> out;
        for (const WindowEvent& e : events) {
            if (e.kind == WindowEvent::Box) {
                out.push_back(e.text);
            }
        }
        return out;
    }
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
    // The controls written, in order.
    std::vector<int> FieldWrites() const {
        std::vector<int> out;
        for (const WindowEvent& e : events) {
            if (e.kind == WindowEvent::Field) {
                out.push_back(e.controlId);
            }
        }
        return out;
    }
    int PortReads() const {
        int n = 0;
        for (const WindowEvent& e : events) {
            n += e.kind == WindowEvent::PortRead ? 1 : 0;
        }
        return n;
    }
};

// A loader that never finds a library; tests fill the table themselves.
class NoModuleLoader final : public ModuleLoader {
public:
    ModuleHandle Load(const char*) override { return nullptr; }
    AnyFunction Lookup(ModuleHandle, const char*) override { return nullptr; }
    void Release(ModuleHandle) override {}
};

// The window, a binding with an empty table, and the context joining them.
struct OperationRig {
    FakeWindow window;
    NoModuleLoader loader;
    LibraryBinding library{loader};
    OperationContext Context() { return OperationContext{window, library}; }
    EntryPointTable& Entries() { return library.Entries(); }
};

using Handler = void (*)(const OperationContext&);

// Clicks `button` once for every code of the sweep, with `result` set to the
// code, and compares all it does with the oracle; `fields` are the texts the
// scripted outputs must give.
inline void ExpectEveryCode(OperationRig& rig, int button, Handler handler, int32_t& result,
                            const expected::Events& fields) {
    const expected::Operation& op = expected::OperationOf(button);
    for (int32_t code : expected::SweepCodes()) {
        rig.window.events.clear();
        rig.window.busyCount = 0;
        result = code;
        handler(rig.Context());
        EXPECT_EQ(rig.window.Sequence(), expected::EventsFor(op, code, fields))
            << op.exportName << " code " << code;
        EXPECT_EQ(rig.window.PortReads(), op.takesPort ? 1 : 0)
            << op.exportName << " code " << code;
        // The call runs under the wait cursor; boxes and fields come after it.
        EXPECT_EQ(rig.window.busyCount, 1) << op.exportName << " code " << code;
        EXPECT_EQ(rig.window.busyDepth, 0) << op.exportName << " code " << code;
        for (const WindowEvent& e : rig.window.events) {
            EXPECT_FALSE(e.busy) << op.exportName << " code " << code;
            if (e.kind == WindowEvent::Box) {
                EXPECT_EQ(e.owner, BoxOwner::MainWindow) << op.exportName << " code " << code;
            }
        }
    }
}

// Before linking: only "Please link library", with no port read, no field
// written and no wait cursor.
inline void ExpectAsksToLink(Handler handler) {
    OperationRig empty;
    handler(empty.Context());
    EXPECT_EQ(empty.window.Sequence(), expected::Events{expected::Box(expected::kPleaseLink)});
    EXPECT_EQ(empty.window.PortReads(), 0);
    EXPECT_EQ(empty.window.busyCount, 0);
}

}  // namespace testing
}  // namespace vantrel

#endif

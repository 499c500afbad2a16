// One run of Vantrel.exe in its own scratch folder, driven through its real
// window.
//
// Clicks are sent from a helper thread (SendMessage returns only when the
// handler has returned), while the calling thread watches the program's
// top-level dialogs: each message box (or the about box) that appears is
// read whole, handed to the case while it is open, and answered with OK.
// Every wait is bounded; a program that hangs is killed and the case fails.
#ifndef VANTREL_TESTS_E2E_APPSESSION_H
#define VANTREL_TESTS_E2E_APPSESSION_H

#include <windows.h>

#include <functional>
#include <map>
#include <utility>
#include <string>
#include <vector>

#include "CaseContext.h"
#include "FakeLibrary.h"
#include "tests/common/ExpectedResults.h"

namespace e2e {

// A child window as read from outside the program.
struct ChildWindow {
    HWND hwnd = nullptr;
    std::wstring className;
    int id = 0;
    std::wstring text;
    DWORD style = 0;
    DWORD exStyle = 0;
    RECT rect{};  // in the parent's client coordinates
};

// A dialog box that opened while a command ran.
struct BoxSeen {
    std::wstring caption;
    std::wstring text;  // control 0xFFFF of a message box
    bool ownedByMainWindow = false;
    bool hasOwner = false;
    bool hasIcon = false;               // a visible icon control
    std::vector<std::wstring> buttons;  // visible push buttons, in order
    std::vector<ChildWindow> children;
    std::map<int, std::wstring> fields;  // main-window fields read while it was open
};

struct CommandOutcome {
    bool returned = false;  // the command's handler returned in time
    std::vector<BoxSeen> boxes;
};

// Reads every child of `parent` in z-order (which is the tab order).
std::vector<ChildWindow> ReadChildren(HWND parent);
std::wstring WindowText(HWND hwnd);
std::wstring ClassName(HWND hwnd);

// How a session is laid out beyond the library beside Vantrel.exe.
struct LaunchOptions {
    // Start the program in a working folder of its own (<session>\cwd)
    // instead of the exe's folder.
    bool separateWorkingDir = false;
    // A library placed in that working folder (implies separateWorkingDir).
    Library inWorkingDir = Library::None;
    // Files written beside Vantrel.exe before it starts: name, contents.
    std::vector<std::pair<std::wstring, std::string>> besideExe;
};

// With --attach (RigPaths::attach) a session starts nothing: it waits for
// the main window of a Vantrel started by someone else, in a process it has
// not driven before, and takes the program and its library as they are
// laid out; `library` and `options` are then not used.
class AppSession {
public:
    AppSession(CaseContext& ctx, Library library, const LaunchOptions& options = LaunchOptions());
    ~AppSession();
    AppSession(const AppSession&) = delete;
    AppSession& operator=(const AppSession&) = delete;

    HWND Dialog() const { return dialog_; }
    // The folder of Vantrel.exe and the program's working folder.
    const std::wstring& ExeDir() const { return dir_; }
    const std::wstring& WorkingDir() const { return workingDir_; }
    HWND Control(int id) const { return GetDlgItem(dialog_, id); }
    DWORD ProcessId() const { return processId_; }
    FakeLibrary& Fake() { return fake_; }

    std::wstring FieldText(int id) const;
    void SetFieldText(int id, const std::wstring& text);
    void SelectPort(int position);
    // A message answered by the program's window (bounded wait); -1 on time-out.
    LRESULT Ask(HWND hwnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    // The window that has the keyboard focus in the program.
    HWND FocusedWindow() const;
    // Links the library (button 1001) and requires that no box appears.
    void Link();

    // Clicks button `id` and answers every box with OK. `snapshot` names
    // main-window fields to read while each box is open; `inspect` sees
    // each box's window before it is answered.
    CommandOutcome Click(int id, const std::vector<int>& snapshot = {},
                         const std::function<void(HWND)>& inspect = nullptr);
    // The same for any message sent to the main window.
    CommandOutcome Send(UINT message, WPARAM wParam, LPARAM lParam,
                        const std::vector<int>& snapshot = {},
                        const std::function<void(HWND)>& inspect = nullptr);

    // Clicks and requires exactly one box with `caption` and `text`, owned
    // by the main window, OK only, no icon. `what` names the step in failures.
    void ExpectResultBox(int id, const std::string& caption, const std::string& text,
                         const std::string& what);
    // The same for the "API-return" box of result `code`: its message.
    void ExpectResultBox(int id, int32_t code, const std::string& what);
    // Clicks and requires that no box appears.
    void ExpectNoBox(int id, const std::string& what);
    // Clicks and requires exactly the result boxes `texts`, in order, each as
    // ExpectResultBox says; returns what the click showed.
    CommandOutcome ExpectResultBoxes(int id, const std::vector<std::string>& texts,
                                     const std::string& what,
                                     const std::vector<int>& snapshot = {});
    // Clicks `op`'s button with the library answering `code`, and requires
    // what the oracle says: the boxes, the operation's fields while the first
    // box is open and afterwards, where `shown` are the texts the scripted
    // outputs must give when the fields are written.
    CommandOutcome ExpectOperation(const expected::Operation& op, int32_t code,
                                   const expected::Events& shown, const std::string& what);
    // The one library call since the last look, which must be of
    // `exportName`; an empty event (no name) after recording why not.
    LibraryEvent OneCall(const std::string& exportName, const std::string& what);
    // Requires each field to hold its text now.
    void ExpectFields(const expected::Events& fields, const std::string& what) const;

    // How long a command may run before the program is taken as hung.
    void SetCommandTimeout(DWORD ms) { commandTimeoutMs_ = ms; }

    // Posts a key press to `target` (handled by the dialog's message loop).
    void PostKey(HWND target, WPARAM key);
    // Waits for the program to end; false on time-out.
    bool WaitForExit(DWORD timeoutMs);
    bool Exited() const;

private:
    void Launch(Library library, const LaunchOptions& options);
    void Attach();
    void PlaceLibrary(Library library, const std::wstring& folder);
    void Kill(const std::string& why);
    void ExpectBox(const BoxSeen& box, const std::string& caption, const std::string& text,
                   const std::string& what);

    CaseContext& ctx_;
    FakeLibrary fake_;
    std::wstring dir_;
    std::wstring workingDir_;
    HANDLE process_ = nullptr;
    DWORD processId_ = 0;
    HWND dialog_ = nullptr;
    DWORD commandTimeoutMs_;
};

}  // namespace e2e

#endif

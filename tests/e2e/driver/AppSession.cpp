#include "AppSession.h"

#include <cstdio>

#include "Text.h"
#include "res/resource.h"

namespace e2e {
namespace {

constexpr DWORD kStartTimeoutMs = 30000;
constexpr DWORD kAttachTimeoutMs = 60000;
constexpr DWORD kCommandTimeoutMs = 15000;
constexpr DWORD kBoxCloseTimeoutMs = 5000;
constexpr DWORD kMessageTimeoutMs = 3000;
constexpr DWORD kPollMs = 10;

// The program being driven, so the driver's watchdog can end it.
HANDLE g_currentProcess = nullptr;
// The process the last attached session drove: the next one waits for another.
DWORD g_lastAttachedProcess = 0;

// The main window has a dialog class of its own; boxes and the about box
// are the system's dialogs.
const wchar_t kMainWindowClass[] = L"" VANTREL_WINDOW_CLASS;

struct WindowSearch {
    DWORD processId;  // 0: any process
    const wchar_t* className;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectWindow(HWND hwnd, LPARAM param) {
    auto* search = reinterpret_cast<WindowSearch*>(param);
    DWORD processId = 0;
    GetWindowThreadProcessId(hwnd, &processId);
    if ((search->processId == 0 || processId == search->processId) &&
        ClassName(hwnd) == search->className) {
        search->found.push_back(hwnd);
    }
    return TRUE;
}

std::vector<HWND> ProcessWindows(DWORD processId, const wchar_t* className) {
    WindowSearch search{processId, className, {}};
    EnumWindows(&CollectWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::vector<HWND> ProcessDialogs(DWORD processId) {
    return ProcessWindows(processId, L"#32770");
}

// Visible Vantrel main windows of `processId` (0: of any process).
std::vector<HWND> MainWindows(DWORD processId = 0) {
    std::vector<HWND> found;
    for (HWND hwnd : ProcessWindows(processId, kMainWindowClass)) {
        if (IsWindowVisible(hwnd) && WindowText(hwnd) == L"Vantrel")
            found.push_back(hwnd);
    }
    return found;
}

struct SendJob {
    HWND target;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

DWORD WINAPI SendFromHelper(LPVOID param) {
    auto* job = static_cast<SendJob*>(param);
    SendMessageW(job->target, job->message, job->wParam, job->lParam);
    return 0;
}

bool IsPushButton(const ChildWindow& child) {
    const DWORD type = child.style & BS_TYPEMASK;
    return child.className == L"Button" && (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON);
}

}  // namespace

void KillCurrentProgram() {
    if (g_currentProcess != nullptr) {
        TerminateProcess(g_currentProcess, 99);
    }
}

std::wstring ClassName(HWND hwnd) {
    wchar_t name[256] = {};
    GetClassNameW(hwnd, name, 256);
    return name;
}

std::wstring WindowText(HWND hwnd) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(hwnd, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kMessageTimeoutMs,
                             &length)) {
        return L"<no answer>";
    }
    std::wstring text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutW(hwnd, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(&text[0]),
                             SMTO_ABORTIFHUNG, kMessageTimeoutMs, &copied)) {
        return L"<no answer>";
    }
    text.resize(copied);
    return text;
}

std::vector<ChildWindow> ReadChildren(HWND parent) {
    std::vector<ChildWindow> children;
    for (HWND hwnd = GetWindow(parent, GW_CHILD); hwnd != nullptr;
         hwnd = GetWindow(hwnd, GW_HWNDNEXT)) {
        ChildWindow child;
        child.hwnd = hwnd;
        child.className = ClassName(hwnd);
        child.id = GetDlgCtrlID(hwnd);
        child.text = WindowText(hwnd);
        child.style = static_cast<DWORD>(GetWindowLongW(hwnd, GWL_STYLE));
        child.exStyle = static_cast<DWORD>(GetWindowLongW(hwnd, GWL_EXSTYLE));
        GetWindowRect(hwnd, &child.rect);
        MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&child.rect), 2);
        children.push_back(child);
    }
    return children;
}

AppSession::AppSession(CaseContext& ctx, Library library, const LaunchOptions& options)
    : ctx_(ctx), commandTimeoutMs_(kCommandTimeoutMs) {
    Launch(library, options);
}

AppSession::~AppSession() {
    // A script line the fake could not read would silently test nothing.
    for (const LibraryEvent& event : fake_.All()) {
        if (event.kind == "error")
            ctx_.Fail("fake library: " + event.line);
    }
    if (process_ != nullptr) {
        if (!Exited()) {
            TerminateProcess(process_, 98);
            WaitForSingleObject(process_, kBoxCloseTimeoutMs);
        }
        g_currentProcess = nullptr;
        CloseHandle(process_);
    }
}

void AppSession::PlaceLibrary(Library library, const std::wstring& folder) {
    if (library == Library::None)
        return;
    const RigPaths& paths = ctx_.Paths();
    std::wstring source;
    if (library == Library::Emulator) {
        ctx_.Require(!paths.emulatorDll.empty(), "the emulator library (--emulator) was not given");
        source = paths.emulatorDll;
    } else {
        source = paths.fakesDir + (library == Library::Full ? L"\\fake_orlog7_full.dll"
                                                            : L"\\fake_orlog7_partial.dll");
    }
    const std::wstring placed = folder + L"\\ORLOG7_DLL.dll";
    ctx_.Require(CopyFileW(source.c_str(), placed.c_str(), FALSE) != FALSE,
                 "copy " + Narrow(source));
}

void AppSession::Launch(Library library, const LaunchOptions& options) {
    const RigPaths& paths = ctx_.Paths();
    if (paths.attach) {
        Attach();
        return;
    }
    dir_ = ctx_.NewScratchDir();
    const std::wstring exe = dir_ + L"\\Vantrel.exe";
    ctx_.Require(CopyFileW(paths.app.c_str(), exe.c_str(), FALSE) != FALSE,
                 "copy Vantrel.exe from " + Narrow(paths.app));
    PlaceLibrary(library, dir_);
    workingDir_ = dir_;
    if (options.separateWorkingDir || options.inWorkingDir != Library::None) {
        workingDir_ = dir_ + L"\\cwd";
        ctx_.Require(CreateDirectoryW(workingDir_.c_str(), nullptr) != FALSE,
                     "create " + Narrow(workingDir_));
        PlaceLibrary(options.inWorkingDir, workingDir_);
    }
    for (const auto& file : options.besideExe) {
        const std::wstring path = dir_ + L"\\" + file.first;
        const HANDLE handle =
            CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        const DWORD size = static_cast<DWORD>(file.second.size());
        DWORD written = 0;
        const bool ok = handle != INVALID_HANDLE_VALUE &&
                        WriteFile(handle, file.second.data(), size, &written, nullptr) != FALSE &&
                        written == size;
        if (handle != INVALID_HANDLE_VALUE)
            CloseHandle(handle);
        ctx_.Require(ok, "write " + Narrow(path));
    }
    const std::wstring script = dir_ + L"\\fake-script.txt";
    const std::wstring log = dir_ + L"\\fake-log.txt";
    fake_.SetFiles(script, log);
    // Inherited by the program and so seen by the fake library inside it.
    SetEnvironmentVariableW(L"VANTREL_FAKE_SCRIPT", script.c_str());
    SetEnvironmentVariableW(L"VANTREL_FAKE_LOG", log.c_str());

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    std::wstring commandLine = L"\"" + exe + L"\"";
    ctx_.Require(CreateProcessW(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                                workingDir_.c_str(), &startup, &info) != FALSE,
                 "start Vantrel.exe");
    process_ = info.hProcess;
    processId_ = info.dwProcessId;
    g_currentProcess = process_;
    CloseHandle(info.hThread);

    WaitForInputIdle(process_, kStartTimeoutMs);
    const DWORD start = GetTickCount();
    while (dialog_ == nullptr && GetTickCount() - start < kStartTimeoutMs && !Exited()) {
        for (HWND hwnd : MainWindows(processId_)) {
            dialog_ = hwnd;
        }
        if (dialog_ == nullptr)
            Sleep(kPollMs);
    }
    if (dialog_ == nullptr) {
        Kill("its main window did not appear");
        throw CaseAbort();
    }
}

void AppSession::Attach() {
    const DWORD start = GetTickCount();
    while (dialog_ == nullptr && GetTickCount() - start < kAttachTimeoutMs) {
        for (HWND hwnd : MainWindows()) {
            DWORD processId = 0;
            GetWindowThreadProcessId(hwnd, &processId);
            if (processId != g_lastAttachedProcess) {
                dialog_ = hwnd;
                processId_ = processId;
            }
        }
        if (dialog_ == nullptr)
            Sleep(kPollMs);
    }
    ctx_.Require(dialog_ != nullptr, "a Vantrel window (started by the user) appeared within " +
                                         std::to_string(kAttachTimeoutMs / 1000) + " s");
    process_ = OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE | PROCESS_QUERY_LIMITED_INFORMATION,
                           FALSE, processId_);
    ctx_.Require(process_ != nullptr, "open the process of the Vantrel window");
    g_currentProcess = process_;
    g_lastAttachedProcess = processId_;
    wchar_t image[MAX_PATH] = {};
    DWORD length = MAX_PATH;
    if (QueryFullProcessImageNameW(process_, 0, image, &length)) {
        dir_ = std::wstring(image, length);
        dir_ = dir_.substr(0, dir_.find_last_of(L'\\'));
    }
    workingDir_ = dir_;
    std::printf("attached to %s (process %lu)\n", Narrow(std::wstring(image)).c_str(),
                static_cast<unsigned long>(processId_));
}

void AppSession::Kill(const std::string& why) {
    ctx_.Fail("Vantrel.exe killed: " + why);
    TerminateProcess(process_, 99);
    WaitForSingleObject(process_, kBoxCloseTimeoutMs);
}

bool AppSession::Exited() const {
    return WaitForSingleObject(process_, 0) == WAIT_OBJECT_0;
}

bool AppSession::WaitForExit(DWORD timeoutMs) {
    return WaitForSingleObject(process_, timeoutMs) == WAIT_OBJECT_0;
}

std::wstring AppSession::FieldText(int id) const {
    return WindowText(Control(id));
}

void AppSession::SetFieldText(int id, const std::wstring& text) {
    DWORD_PTR result = 0;
    SendMessageTimeoutW(Control(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()),
                        SMTO_ABORTIFHUNG, kMessageTimeoutMs, &result);
}

void AppSession::SelectPort(int position) {
    DWORD_PTR result = 0;
    SendMessageTimeoutW(Control(1005), CB_SETCURSEL, static_cast<WPARAM>(position), 0,
                        SMTO_ABORTIFHUNG, kMessageTimeoutMs, &result);
}

LRESULT AppSession::Ask(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) const {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(hwnd, message, wParam, lParam, SMTO_ABORTIFHUNG, kMessageTimeoutMs,
                             &result)) {
        return -1;
    }
    return static_cast<LRESULT>(result);
}

HWND AppSession::FocusedWindow() const {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(dialog_, nullptr), &info))
        return nullptr;
    return info.hwndFocus;
}

void AppSession::Link() {
    const CommandOutcome outcome = Click(1001);
    ctx_.Require(outcome.returned, "link: the click did not return");
    for (const BoxSeen& box : outcome.boxes) {
        ctx_.Fail("link: unexpected box " + Describe(box.caption) + " " + Describe(box.text));
    }
    ctx_.Require(outcome.boxes.empty(), "link without a box");
}

void AppSession::PostKey(HWND target, WPARAM key) {
    const LPARAM scanCode =
        static_cast<LPARAM>(MapVirtualKeyW(static_cast<UINT>(key), MAPVK_VK_TO_VSC));
    PostMessageW(target, WM_KEYDOWN, key, 1 | (scanCode << 16));
}

CommandOutcome AppSession::Click(int id, const std::vector<int>& snapshot,
                                 const std::function<void(HWND)>& inspect) {
    return Send(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(Control(id)),
                snapshot, inspect);
}

CommandOutcome AppSession::Send(UINT message, WPARAM wParam, LPARAM lParam,
                                const std::vector<int>& snapshot,
                                const std::function<void(HWND)>& inspect) {
    CommandOutcome outcome;
    // Heap-held: if the program hangs, the helper may outlive this call.
    auto* job = new SendJob{dialog_, message, wParam, lParam};
    HANDLE helper = CreateThread(nullptr, 0, &SendFromHelper, job, 0, nullptr);
    ctx_.Require(helper != nullptr, "start the helper thread");

    std::vector<HWND> handled{dialog_};
    DWORD start = GetTickCount();
    for (;;) {
        if (WaitForSingleObject(helper, 0) == WAIT_OBJECT_0) {
            outcome.returned = true;
            break;
        }
        if (Exited()) {
            break;  // closing commands end here; others are judged by the case
        }
        for (HWND box : ProcessDialogs(processId_)) {
            bool seen = false;
            for (HWND old : handled)
                seen = seen || old == box;
            if (seen || !IsWindowVisible(box))
                continue;
            handled.push_back(box);

            BoxSeen read;
            read.caption = WindowText(box);
            const HWND owner = GetWindow(box, GW_OWNER);
            read.hasOwner = owner != nullptr;
            read.ownedByMainWindow = owner == dialog_;
            read.children = ReadChildren(box);
            for (const ChildWindow& child : read.children) {
                const bool visible = (child.style & WS_VISIBLE) != 0;
                if ((child.id & 0xFFFF) == 0xFFFF && child.className == L"Static" &&
                    (child.style & SS_TYPEMASK) != SS_ICON) {
                    read.text = child.text;
                }
                // Wine keeps the icon control visible with no icon in it.
                if (visible && child.className == L"Static" &&
                    (child.style & SS_TYPEMASK) == SS_ICON && Ask(child.hwnd, STM_GETICON) != 0) {
                    read.hasIcon = true;
                }
                if (visible && IsPushButton(child))
                    read.buttons.push_back(child.text);
            }
            for (int field : snapshot)
                read.fields[field] = FieldText(field);
            if (inspect)
                inspect(box);
            outcome.boxes.push_back(read);

            PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                         reinterpret_cast<LPARAM>(GetDlgItem(box, IDOK)));
            const DWORD closing = GetTickCount();
            while (IsWindow(box) && GetTickCount() - closing < kBoxCloseTimeoutMs)
                Sleep(1);
            if (IsWindow(box)) {
                Kill("a box \"" + Narrow(read.caption) + "\" did not close on OK");
                break;
            }
            start = GetTickCount();
        }
        if (GetTickCount() - start > commandTimeoutMs_) {
            Kill("a command did not return within " + std::to_string(commandTimeoutMs_) + " ms");
            break;
        }
        // Wakes as soon as the command returns, so a click without a box
        // costs no poll interval.
        WaitForSingleObject(helper, kPollMs);
    }
    if (WaitForSingleObject(helper, kBoxCloseTimeoutMs) == WAIT_OBJECT_0) {
        delete job;
    }
    CloseHandle(helper);
    if (!outcome.returned && !Exited()) {
        throw CaseAbort();
    }
    return outcome;
}

void AppSession::ExpectResultBox(int id, const std::string& caption, const std::string& text,
                                 const std::string& what) {
    const CommandOutcome outcome = Click(id);
    ctx_.Expect(outcome.returned, what + ": the click did not return");
    if (!ctx_.ExpectEq(outcome.boxes.size(), 1u, what + ": boxes shown")) {
        for (const BoxSeen& box : outcome.boxes) {
            ctx_.Fail(what + ": box " + Describe(box.caption) + " " + Describe(box.text));
        }
        return;
    }
    ExpectBox(outcome.boxes[0], caption, text, what);
}

void AppSession::ExpectResultBox(int id, int32_t code, const std::string& what) {
    ExpectResultBox(id, expected::kResultCaption, expected::MessageOf(code), what);
}

void AppSession::ExpectBox(const BoxSeen& box, const std::string& caption, const std::string& text,
                           const std::string& what) {
    ctx_.ExpectEq(box.caption, Widen(caption), what + ": caption");
    ctx_.ExpectEq(box.text, Widen(text), what + ": text");
    ctx_.Expect(box.ownedByMainWindow, what + ": the box is owned by the main window");
    ctx_.Expect(!box.hasIcon, what + ": the box shows no icon");
    ctx_.ExpectEq(box.buttons.size(), 1u, what + ": one button");
}

CommandOutcome AppSession::ExpectResultBoxes(int id, const std::vector<std::string>& texts,
                                             const std::string& what,
                                             const std::vector<int>& snapshot) {
    const CommandOutcome outcome = Click(id, snapshot);
    ctx_.Expect(outcome.returned, what + ": the click did not return");
    if (!ctx_.ExpectEq(outcome.boxes.size(), texts.size(), what + ": boxes shown")) {
        for (const BoxSeen& box : outcome.boxes) {
            ctx_.Fail(what + ": box " + Describe(box.caption) + " " + Describe(box.text));
        }
        return outcome;
    }
    for (std::size_t i = 0; i < texts.size(); ++i) {
        ExpectBox(outcome.boxes[i], expected::kResultCaption, texts[i], what);
    }
    return outcome;
}

CommandOutcome AppSession::ExpectOperation(const expected::Operation& op, int32_t code,
                                           const expected::Events& shown, const std::string& what) {
    const bool writes = expected::WritesFields(op, code);
    std::map<int, std::wstring> before, after;
    for (int id : op.outputFields) {
        before[id] = after[id] = FieldText(id);
    }
    for (const expected::Event& field : shown) {
        if (writes) {
            after[field.controlId] = Widen(field.text);
        }
    }
    const CommandOutcome outcome =
        ExpectResultBoxes(op.button, expected::BoxesFor(op, code), what, op.outputFields);
    const bool fieldsFirst = op.fields == expected::Fields::BeforeBox;
    for (int id : op.outputFields) {
        const std::string field = what + ": field " + std::to_string(id);
        if (!outcome.boxes.empty()) {
            auto seen = outcome.boxes[0].fields.find(id);
            ctx_.ExpectEq(seen != outcome.boxes[0].fields.end() ? seen->second : L"<unread>",
                          fieldsFirst ? after[id] : before[id], field + " while the box is open");
        }
        ctx_.ExpectEq(FieldText(id), after[id], field);
    }
    return outcome;
}

LibraryEvent AppSession::OneCall(const std::string& exportName, const std::string& what) {
    const std::vector<LibraryEvent> calls = CallsOf(fake_.Take());
    if (ctx_.ExpectEq(calls.size(), 1u, what + ": calls") &&
        ctx_.ExpectEq(calls[0].name, exportName, what + ": export")) {
        return calls[0];
    }
    return LibraryEvent();
}

void AppSession::ExpectFields(const expected::Events& fields, const std::string& what) const {
    for (const expected::Event& field : fields) {
        ctx_.ExpectEq(FieldText(field.controlId), Widen(field.text),
                      what + ": field " + std::to_string(field.controlId));
    }
}

void AppSession::ExpectNoBox(int id, const std::string& what) {
    const CommandOutcome outcome = Click(id);
    ctx_.Expect(outcome.returned, what + ": the click did not return");
    for (const BoxSeen& box : outcome.boxes) {
        ctx_.Fail(what + ": unexpected box " + Describe(box.caption) + " " + Describe(box.text));
    }
}

}  // namespace e2e

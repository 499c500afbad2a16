#include "app/VantrelDlg.h"

#include "app/AboutDlg.h"
#include "app/CommandRoutes.h"
#include "app/PortList.h"
#include "app/PortSelector.h"
#include "devicelib/TextConversion.h"
#include "res/resource.h"

namespace vantrel {

CVantrelDlg::CVantrelDlg(LibraryBinding& library, HWND parent)
    : CModalDialog(IDD_VANTREL_DIALOG, parent),
      library_(library),
      icon_(LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINFRAME))) {}

// The window is a dialog of its own class so that it has the program's icon
// from the moment it exists. Setting it afterwards (WM_SETICON) costs Wine a
// new window-manager icon for each of the two sizes, at every start.
void CVantrelDlg::RegisterWindowClass(HINSTANCE instance) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = DefDlgProcW;
    windowClass.cbWndExtra = DLGWINDOWEXTRA;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDR_MAINFRAME));
    // The icon's own small image, not the large one shrunk by the system.
    windowClass.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDR_MAINFRAME),
                                                        IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                                        GetSystemMetrics(SM_CYSMICON), LR_SHARED));
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = L"" VANTREL_WINDOW_CLASS;
    RegisterClassExW(&windowClass);
}

void CVantrelDlg::DoDataExchange() {
    thePortSelector.Attach(GetDlgItem(Handle(), IDC_PORT_SELECTOR));
}

BOOL CVantrelDlg::OnInitDialog() {
    CModalDialog::OnInitDialog();
    AddAboutToSystemMenu();
    thePortSelector.Fill();
    thePortSelector.Select(kDefaultPortPosition);
    return TRUE;
}

void CVantrelDlg::AddAboutToSystemMenu() {
    HMENU systemMenu = GetSystemMenu(Handle(), FALSE);
    if (systemMenu == nullptr) {
        return;
    }
    wchar_t text[128] = L"";
    if (LoadStringW(GetModuleHandleW(nullptr), IDS_ABOUTBOX, text, 128) > 0) {
        AppendMenuW(systemMenu, MF_SEPARATOR, 0, nullptr);
        AppendMenuW(systemMenu, MF_STRING, IDM_ABOUTBOX, text);
    }
}

void CVantrelDlg::OnCancel() {
    library_.Release();
    CModalDialog::OnCancel();
}

void CVantrelDlg::OnCommand(int controlId, int notifyCode) {
    if (notifyCode != BN_CLICKED) {
        return;
    }
    if (const CommandRoute* route = FindCommandRoute(controlId)) {
        route->handler(OperationContext{*this, library_});
    }
}

bool CVantrelDlg::OnMessage(UINT message, WPARAM wParam, LPARAM, INT_PTR& result) {
    switch (message) {
    case WM_SYSCOMMAND:
        if (!OnSysCommand(static_cast<UINT>(wParam))) {
            return false;  // move, close and the rest: default handling
        }
        result = TRUE;
        return true;
    case WM_PAINT:
        if (!IsIconic(Handle())) {
            return false;
        }
        PaintIconic();
        result = TRUE;
        return true;
    case WM_QUERYDRAGICON:
        result = reinterpret_cast<INT_PTR>(icon_);
        return true;
    default:
        return false;
    }
}

bool CVantrelDlg::OnSysCommand(UINT command) {
    // The low four bits are the system's own.
    if ((command & 0xFFF0) != IDM_ABOUTBOX) {
        return false;
    }
    CAboutDlg about(Handle());
    about.DoModal();
    return true;
}

void CVantrelDlg::PaintIconic() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(Handle(), &paint);
    SendMessageW(Handle(), WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    const int iconWidth = GetSystemMetrics(SM_CXICON);
    const int iconHeight = GetSystemMetrics(SM_CYICON);
    RECT client;
    GetClientRect(Handle(), &client);
    const int x = (client.right - client.left - iconWidth + 1) / 2;
    const int y = (client.bottom - client.top - iconHeight + 1) / 2;
    DrawIcon(dc, x, y, icon_);
    EndPaint(Handle(), &paint);
}

void CVantrelDlg::SetFieldText(int controlId, const std::string& text) {
    SetDlgItemTextW(Handle(), controlId, Utf8ToWide(text).c_str());
}

void CVantrelDlg::ShowMessage(const std::string& text, const std::string& caption, BoxOwner owner) {
    HWND ownerWindow = owner == BoxOwner::MainWindow ? Handle() : nullptr;
    MessageBoxW(ownerWindow, Utf8ToWide(text).c_str(), Utf8ToWide(caption).c_str(), MB_OK);
}

int CVantrelDlg::PortSelection() {
    return thePortSelector.CurrentSelection();
}

std::string CVantrelDlg::SerialNumberText() {
    HWND field = GetDlgItem(Handle(), IDC_SERIAL_NUMBER_INPUT);
    const int length = GetWindowTextLengthW(field);
    if (length <= 0) {
        return std::string();
    }
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(field, &text[0], length + 1);
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return WideToUtf8(text);
}

void CVantrelDlg::BeginBusy() {
    cursorBeforeBusy_ = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
}

void CVantrelDlg::EndBusy() {
    SetCursor(cursorBeforeBusy_);
}

}  // namespace vantrel

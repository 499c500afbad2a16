#include "app/GlyphFallback.h"

#include <vector>

namespace vantrel {
namespace {

// Traditional Chinese faces of Windows and of common Linux systems, Ming
// (serif) faces first to match the dialog face.
const wchar_t* const kChineseFaces[] = {
    L"新細明體",          L"PMingLiU",           L"MingLiU",          L"AR PL UMing TW",
    L"Noto Serif CJK TC", L"Microsoft JhengHei", L"Noto Sans CJK TC", L"WenQuanYi Zen Hei",
};

bool IsIdeograph(wchar_t ch) {
    return ch >= 0x2E80;  // CJK radicals onwards
}

// The pixels `ch` inks, drawn black on white in a 64-pixel square.
std::vector<bool> Ink(HDC dc, wchar_t ch) {
    constexpr int kSide = 64;
    BITMAPINFO info{};
    info.bmiHeader = {sizeof info.bmiHeader, kSide, -kSide, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    std::vector<bool> ink;
    if (bitmap == nullptr) {
        return ink;
    }
    HGDIOBJ previous = SelectObject(dc, bitmap);
    RECT all{0, 0, kSide, kSide};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkMode(dc, TRANSPARENT);
    TextOutW(dc, 4, 4, &ch, 1);
    GdiFlush();
    const DWORD* pixel = static_cast<const DWORD*>(bits);
    for (int i = 0; i < kSide * kSide; ++i) {
        ink.push_back((pixel[i] & 0xFFFFFF) != 0xFFFFFF);
    }
    SelectObject(dc, previous);
    DeleteObject(bitmap);
    return ink;
}

}  // namespace

bool HasIdeographs(const std::wstring& text) {
    for (wchar_t ch : text) {
        if (IsIdeograph(ch)) {
            return true;
        }
    }
    return false;
}

bool DrawsText(HFONT font, const std::wstring& text) {
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, font);
    const std::vector<bool> missing = Ink(dc, L'\x0378');  // no font has it
    bool draws = true;
    for (wchar_t ch : text) {
        if (!draws || !IsIdeograph(ch)) {
            continue;
        }
        const std::vector<bool> ink = Ink(dc, ch);
        draws = ink != missing && ink != std::vector<bool>(ink.size(), false);
    }
    SelectObject(dc, previous);
    DeleteDC(dc);
    return draws;
}

GlyphFallback::~GlyphFallback() {
    for (HFONT font : fonts_) {
        DeleteObject(font);
    }
}

void GlyphFallback::Apply(HWND dialog, const DialogTemplate& layout) {
    // The children stand in the template's order; only a text with Chinese
    // characters can need another face.
    HWND child = GetWindow(dialog, GW_CHILD);
    for (const DialogTemplate::Item& item : layout.Items()) {
        if (child == nullptr) {
            break;
        }
        HWND control = child;
        child = GetWindow(child, GW_HWNDNEXT);
        if (!HasIdeographs(item.text)) {
            continue;
        }
        HFONT current = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
        LOGFONTW logFont{};
        if (current == nullptr || DrawsText(current, item.text) ||
            GetObjectW(current, sizeof logFont, &logFont) == 0) {
            continue;
        }
        for (const wchar_t* face : kChineseFaces) {
            lstrcpynW(logFont.lfFaceName, face, LF_FACESIZE);
            logFont.lfCharSet = DEFAULT_CHARSET;
            HFONT candidate = CreateFontIndirectW(&logFont);
            if (candidate != nullptr && DrawsText(candidate, item.text)) {
                fonts_.push_back(candidate);
                SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(candidate), TRUE);
                break;
            }
            DeleteObject(candidate);
        }
    }
}

}  // namespace vantrel

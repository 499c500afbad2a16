#include "DrawnFont.h"

#include <map>
#include <set>

#include "AppSession.h"
#include "Text.h"

namespace e2e {
namespace {

// A 32-bit top-down DIB section selected into a memory DC.
class Canvas {
public:
    Canvas(int width, int height) : width_(width), height_(height) {
        BITMAPINFO info{};
        info.bmiHeader = {sizeof info.bmiHeader, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        dc_ = CreateCompatibleDC(nullptr);
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits_, nullptr, 0);
        old_ = SelectObject(dc_, bitmap_);
    }
    ~Canvas() {
        SelectObject(dc_, old_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC Dc() const { return dc_; }
    // Where nothing could be drawn, an empty picture.
    Ink InkAgainst(DWORD background) const {
        GdiFlush();
        Ink ink{width_, height_, {}};
        if (bits_ == nullptr)
            return Ink{};
        const DWORD* pixel = static_cast<const DWORD*>(bits_);
        for (int i = 0; i < width_ * height_; ++i)
            ink.pixels.push_back((pixel[i] & 0xFFFFFF) != background);
        return ink;
    }
    DWORD CommonestColour() const {
        GdiFlush();
        std::map<DWORD, int> counts;
        const DWORD* pixel = static_cast<const DWORD*>(bits_);
        for (int i = 0; bits_ != nullptr && i < width_ * height_; ++i)
            ++counts[pixel[i] & 0xFFFFFF];
        DWORD best = 0;
        int most = -1;
        for (const auto& [colour, count] : counts) {
            if (count > most) {
                best = colour;
                most = count;
            }
        }
        return best;
    }

private:
    int width_;
    int height_;
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ old_;
    void* bits_ = nullptr;
};

DialogUnits UnitsOfFont(const LOGFONTW& logFont) {
    HDC dc = CreateCompatibleDC(nullptr);
    HFONT font = CreateFontIndirectW(&logFont);
    HGDIOBJ old = SelectObject(dc, font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SIZE size{};
    GetTextExtentPoint32W(dc, L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz", 52, &size);
    SelectObject(dc, old);
    DeleteObject(font);
    DeleteDC(dc);
    DialogUnits units;
    units.baseX = (size.cx / 26 + 1) / 2;
    units.baseY = metrics.tmHeight;
    return units;
}

int CALLBACK AddFace(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM faces) {
    if (font->lfFaceName[0] != L'@')  // vertical variants
        reinterpret_cast<std::set<std::wstring>*>(faces)->insert(font->lfFaceName);
    return 1;
}

std::set<std::wstring> InstalledFaces() {
    std::set<std::wstring> faces;
    LOGFONTW all{};
    all.lfCharSet = DEFAULT_CHARSET;
    HDC dc = GetDC(nullptr);
    EnumFontFamiliesExW(dc, &all, &AddFace, reinterpret_cast<LPARAM>(&faces), 0);
    ReleaseDC(nullptr, dc);
    return faces;
}

// The base unit that maps `units` to `pixels` for every control, or 0.
int CommonBase(const std::vector<std::pair<int, long>>& sizes, int per) {
    for (int base = 1; base <= 80; ++base) {
        bool all = !sizes.empty();
        for (const auto& [units, pixels] : sizes)
            all = all && MulDiv(units, base, per) == pixels;
        if (all)
            return base;
    }
    return 0;
}

double Likeness(const Ink& a, const Ink& b) {
    if (a.width != b.width || a.height != b.height)
        return 0;
    int both = 0;
    int either = 0;
    for (std::size_t i = 0; i < a.pixels.size(); ++i) {
        both += a.pixels[i] && b.pixels[i];
        either += a.pixels[i] || b.pixels[i];
    }
    return either == 0 ? 0 : static_cast<double>(both) / either;
}

}  // namespace

std::string DrawnFont::Describe() const {
    return Narrow(font.lfFaceName) + " " + std::to_string(points) + " pt (base units " +
           std::to_string(units.baseX) + "/" + std::to_string(units.baseY) + ")";
}

bool Ink::Blank() const {
    for (bool pixel : pixels) {
        if (pixel)
            return false;
    }
    return true;
}

Ink Ink::Columns(int from, int to) const {
    Ink part{to - from, height, {}};
    for (int y = 0; y < height; ++y) {
        for (int x = from; x < to; ++x)
            part.pixels.push_back(pixels[static_cast<std::size_t>(y * width + x)]);
    }
    return part;
}

Ink ScreenInk(const RECT& rect) {
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0)
        return Ink{};
    Canvas canvas(width, height);
    HDC screen = GetDC(nullptr);
    BitBlt(canvas.Dc(), 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    ReleaseDC(nullptr, screen);
    return canvas.InkAgainst(canvas.CommonestColour());
}

Ink TextInk(const LOGFONTW& logFont, const std::wstring& text, int width, int height, UINT flags) {
    if (width <= 0 || height <= 0)
        return Ink{};
    Canvas canvas(width, height);
    RECT all{0, 0, width, height};
    FillRect(canvas.Dc(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    HFONT font = CreateFontIndirectW(&logFont);
    HGDIOBJ old = SelectObject(canvas.Dc(), font);
    SetTextColor(canvas.Dc(), RGB(0, 0, 0));
    SetBkMode(canvas.Dc(), TRANSPARENT);
    DrawTextW(canvas.Dc(), text.c_str(), -1, &all, flags);
    SelectObject(canvas.Dc(), old);
    DeleteObject(font);
    return canvas.InkAgainst(0xFFFFFF);
}

bool FindDrawnFont(HWND dialog, const DialogSpec& spec, int dpi, DrawnFont* found,
                   std::string* why) {
    // The base units every control's size agrees on (a combo's height is its
    // list's, and an icon sizes itself).
    const std::vector<ChildWindow> children = ReadChildren(dialog);
    std::vector<std::pair<int, long>> across;
    std::vector<std::pair<int, long>> down;
    const ChildWindow* sample = nullptr;
    const ControlSpec* sampleSpec = nullptr;
    RECT client{};
    GetClientRect(dialog, &client);
    for (std::size_t i = 0; i < spec.count && i < children.size(); ++i) {
        const ControlSpec& want = spec.controls[i];
        const RECT& at = children[i].rect;
        if (want.kind == Kind::Icon || want.kind == Kind::DropDownCombo)
            continue;
        across.push_back({want.w, at.right - at.left});
        down.push_back({want.h, at.bottom - at.top});
        // A fixed label in full view, to compare with the screen.
        const bool inView =
            at.left >= 0 && at.top >= 0 && at.right <= client.right && at.bottom <= client.bottom;
        if (sample == nullptr && want.kind == Kind::Label && want.id == kNoId &&
            want.text != nullptr && inView) {
            sample = &children[i];
            sampleSpec = &want;
        }
    }
    found->units.baseX = CommonBase(across, 4);
    found->units.baseY = CommonBase(down, 8);
    if (found->units.baseX == 0 || found->units.baseY == 0) {
        *why = "the controls' sizes agree on no dialog base units";
        return false;
    }
    if (sample == nullptr) {
        *why = "no fixed label is in full view";
        return false;
    }

    RECT onScreen{};
    GetWindowRect(sample->hwnd, &onScreen);
    const Ink screen = ScreenInk(onScreen);
    const UINT flags = DT_WORDBREAK | DT_EXPANDTABS |
                       ((sampleSpec->extraStyle & SS_NOPREFIX) != 0 ? DT_NOPREFIX : 0);
    double best = 0;
    for (const std::wstring& face : InstalledFaces()) {
        for (int points = 5; points <= 24; ++points) {
            LOGFONTW logFont{};
            logFont.lfHeight = -MulDiv(points, dpi, 72);
            logFont.lfCharSet = DEFAULT_CHARSET;
            wcsncpy(logFont.lfFaceName, face.c_str(), LF_FACESIZE - 1);
            const DialogUnits units = UnitsOfFont(logFont);
            if (units.baseX != found->units.baseX || units.baseY != found->units.baseY)
                continue;
            const double likeness = Likeness(
                screen, TextInk(logFont, sample->text, screen.width, screen.height, flags));
            if (likeness > best) {
                best = likeness;
                found->font = logFont;
                found->points = points;
            }
        }
    }
    if (best < 0.95) {
        *why = "no installed font with base units " + std::to_string(found->units.baseX) + "/" +
               std::to_string(found->units.baseY) + " draws " + e2e::Describe(sample->text) +
               " as the screen shows it (best likeness " + std::to_string(best) + ")";
        return false;
    }
    return true;
}

}  // namespace e2e

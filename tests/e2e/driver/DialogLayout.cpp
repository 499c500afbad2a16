#include "DialogLayout.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "AppSession.h"
#include "Text.h"

namespace e2e {
namespace {

// Exact: the expected pixels use the dialog manager's own rounding, and one
// dialog unit is only one or two pixels, so any slack would hide a shift.
constexpr int kPixelTolerance = 0;

bool Has(DWORD style, DWORD bits) {
    return (style & bits) == bits;
}

// Class, type and style bits of one kind; returns what is wrong, or "".
std::string KindProblem(const ChildWindow& child, Kind kind) {
    const DWORD s = child.style;
    const DWORD buttonType = s & BS_TYPEMASK;
    switch (kind) {
    case Kind::PushButton:
        if (child.className != L"Button")
            return "not a Button";
        if (buttonType != BS_PUSHBUTTON && buttonType != BS_DEFPUSHBUTTON)
            return "not a push button";
        if (!Has(s, WS_VISIBLE | WS_TABSTOP))
            return "not a visible tab stop";
        return "";
    case Kind::DefPushButton:
        if (child.className != L"Button")
            return "not a Button";
        if (buttonType != BS_DEFPUSHBUTTON)
            return "not a default push button";
        if (!Has(s, WS_TABSTOP | WS_GROUP))
            return "not a tab stop starting a group";
        return "";
    case Kind::Label:
        if (child.className != L"Static")
            return "not a Static";
        if ((s & SS_TYPEMASK) != SS_LEFT)
            return "not left-aligned text";
        if (!Has(s, WS_VISIBLE))
            return "not visible";
        return "";
    case Kind::Icon:
        if (child.className != L"Static")
            return "not a Static";
        if ((s & SS_TYPEMASK) != SS_ICON)
            return "not an icon";
        return "";
    case Kind::DropDownCombo:
        if (child.className != L"ComboBox")
            return "not a ComboBox";
        if ((s & 3) != CBS_DROPDOWN)
            return "not a drop-down combo";
        // The combo hands WS_VSCROLL on to its list (checked by the case).
        if (!Has(s, CBS_SORT | WS_TABSTOP | WS_VISIBLE))
            return "not sorted/tab stop";
        return "";
    case Kind::Edit:
        if (child.className != L"Edit")
            return "not an Edit";
        if ((s & ES_MULTILINE) != 0)
            return "multi-line";
        if (!Has(s, ES_AUTOHSCROLL | WS_TABSTOP | WS_VISIBLE))
            return "not scrolling/tab stop";
        // The edit control trades WS_BORDER for a client edge itself.
        if (!Has(s, WS_BORDER) && !Has(child.exStyle, WS_EX_CLIENTEDGE))
            return "no border";
        return "";
    }
    return "unknown kind";
}

std::string RectText(const RECT& r) {
    return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + " " +
           std::to_string(r.right - r.left) + "x" + std::to_string(r.bottom - r.top) + ")";
}

bool Near(long a, long b) {
    return std::labs(a - b) <= kPixelTolerance;
}

}  // namespace

RECT DialogUnits::ToPixels(int x, int y, int w, int h) const {
    RECT r;
    r.left = MulDiv(x, baseX, 4);
    r.top = MulDiv(y, baseY, 8);
    r.right = r.left + MulDiv(w, baseX, 4);
    r.bottom = r.top + MulDiv(h, baseY, 8);
    return r;
}

bool DeriveDialogUnits(HWND dialog, int width, int height, DialogUnits* units) {
    RECT client{};
    GetClientRect(dialog, &client);
    units->baseX = 0;
    units->baseY = 0;
    for (int base = 1; base <= 64; ++base) {
        if (units->baseX == 0 && MulDiv(width, base, 4) == client.right)
            units->baseX = base;
        if (units->baseY == 0 && MulDiv(height, base, 8) == client.bottom)
            units->baseY = base;
    }
    return units->baseX != 0 && units->baseY != 0;
}

void CheckDialogLayout(CaseContext& ctx, HWND dialog, const DialogSpec& spec,
                       const std::string& what) {
    ctx.ExpectEq(WindowText(dialog), Widen(spec.caption), what + ": caption");
    DialogUnits units;
    RECT client{};
    GetClientRect(dialog, &client);
    if (!ctx.Expect(DeriveDialogUnits(dialog, spec.width, spec.height, &units),
                    what + ": client area " + RectText(client) + " is not " +
                        std::to_string(spec.width) + "x" + std::to_string(spec.height) +
                        " dialog units")) {
        return;
    }
    const std::vector<ChildWindow> children = ReadChildren(dialog);
    ctx.ExpectEq(children.size(), spec.count, what + ": number of controls");
    for (std::size_t i = 0; i < spec.count && i < children.size(); ++i) {
        const ControlSpec& want = spec.controls[i];
        const ChildWindow& got = children[i];
        const std::string at =
            what + ": control #" + std::to_string(i) + " (id " + std::to_string(want.id) +
            (want.text != nullptr ? std::string(" ") + Describe(want.text) : std::string()) + ")";
        const bool idOk = want.id == kNoId ? (got.id & 0xFFFF) == 0xFFFF : got.id == want.id;
        ctx.Expect(idOk, at + ": id is " + std::to_string(got.id));
        const std::string problem = KindProblem(got, want.kind);
        if (!problem.empty()) {
            char style[40];
            std::snprintf(style, sizeof style, " style %08lx ex %08lx",
                          static_cast<unsigned long>(got.style),
                          static_cast<unsigned long>(got.exStyle));
            ctx.Fail(at + ": " + problem + " (class " + Narrow(got.className) + style + ")");
        }
        ctx.Expect(Has(got.style, want.extraStyle), at + ": style bits missing");
        if (want.kind != Kind::Icon && want.kind != Kind::DropDownCombo) {
            if (want.text != nullptr) {
                ctx.ExpectEq(got.text, Widen(want.text), at + ": text");
            } else {
                ctx.Expect(!got.text.empty(), at + ": text is empty");
            }
        }
        const RECT expected = units.ToPixels(want.x, want.y, want.w, want.h);
        bool placed = Near(got.rect.left, expected.left) && Near(got.rect.top, expected.top);
        // An icon takes the size of its image; a combo's height is its list's.
        if (want.kind != Kind::Icon)
            placed = placed && Near(got.rect.right, expected.right);
        if (want.kind != Kind::Icon && want.kind != Kind::DropDownCombo) {
            placed = placed && Near(got.rect.bottom, expected.bottom);
        }
        ctx.Expect(placed, at + ": at " + RectText(got.rect) + ", expected " + RectText(expected));
    }
}

}  // namespace e2e

// Checks a dialog's controls against a table: order (z-order is tab order),
// class and style by kind, caption, and rectangle in dialog units.
//
// Dialog units only convert inside the dialog's own process (MapDialogRect),
// so the scale is derived from the dialog's client size in pixels and the
// template's size in units, using the platform's own rounding:
// pixels = MulDiv(units, baseX, 4) across, MulDiv(units, baseY, 8) down.
#ifndef VANTREL_TESTS_E2E_DIALOGLAYOUT_H
#define VANTREL_TESTS_E2E_DIALOGLAYOUT_H

#include <windows.h>

#include <cstddef>

#include "CaseContext.h"

namespace e2e {

enum class Kind {
    PushButton,     // Button, push (or made default by focus), tab stop
    DefPushButton,  // Button, default push
    Label,          // Static, left-aligned text
    Icon,           // Static showing an icon (sizes itself to the icon)
    DropDownCombo,  // ComboBox, drop-down (editable)
    Edit,           // Edit, single line
};

constexpr int kNoId = -1;  // a fixed label without an identifier

struct ControlSpec {
    int id;
    Kind kind;
    int x, y, w, h;    // dialog units
    const char* text;  // UTF-8; nullptr: any text that is not empty
    DWORD extraStyle;  // style bits required on top of the kind's
};

struct DialogSpec {
    const char* caption;
    int width, height;  // client size in dialog units
    const ControlSpec* controls;
    std::size_t count;
};

struct DialogUnits {
    int baseX = 0;
    int baseY = 0;
    RECT ToPixels(int x, int y, int w, int h) const;
};

// The base units that give `dialog` its client size; false if none does.
bool DeriveDialogUnits(HWND dialog, int width, int height, DialogUnits* units);

// Every check of the table, failures recorded in `ctx` with `what` in front.
void CheckDialogLayout(CaseContext& ctx, HWND dialog, const DialogSpec& spec,
                       const std::string& what);

}  // namespace e2e

#endif

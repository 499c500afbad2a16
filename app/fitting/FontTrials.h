// The Windows side of the font rule: the declared dialogs, read once, and
// fonts measured on this system as the dialog manager uses them.
#ifndef VANTREL_APP_FITTING_FONTTRIALS_H
#define VANTREL_APP_FITTING_FONTTRIALS_H

#include <windows.h>

#include <vector>

#include "app/fitting/DialogTemplate.h"
#include "app/fitting/FontChoice.h"

namespace vantrel {

struct DeclaredDialog {
    struct Text {
        std::size_t item;
        std::wstring text;
    };
    UINT templateId;
    DialogTemplate layout;
    std::vector<Text> texts;  // what the font must show whole, by item
};

const std::vector<DeclaredDialog>& DeclaredDialogs();

// The font the dialog manager makes for `font` at `dpi`; null when it cannot.
HFONT CreateDialogFont(const DialogFont& font, int dpi);
// The outer size of `dialog` drawn with `units` at `dpi`.
PixelSize DialogWindowSize(const DialogTemplate& dialog, PixelSize units, int dpi);
// The choice for the declared dialogs at `dpi` on `workArea`, measured the
// first time it is asked for.
FontChoice ChoiceFor(int dpi, const RECT& workArea);

}  // namespace vantrel

#endif

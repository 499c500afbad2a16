// What a dialog really draws, read from outside the program: the font its
// controls are laid out and drawn with, and the ink of any part of the screen.
//
// Dialog units only map inside the dialog's own process, and a font handle
// does not cross processes either. So the base units come from the controls'
// pixel sizes against the table's units, and the font is the installed one
// with those units whose rendering of a fixed label matches the screen.
#ifndef VANTREL_TESTS_E2E_DRAWNFONT_H
#define VANTREL_TESTS_E2E_DRAWNFONT_H

#include <windows.h>

#include <string>
#include <vector>

#include "DialogLayout.h"

namespace e2e {

struct DrawnFont {
    LOGFONTW font{};
    int points = 0;
    DialogUnits units;
    std::string Describe() const;
};

// False, with the reason in `why`, when no installed font explains the screen.
bool FindDrawnFont(HWND dialog, const DialogSpec& spec, int dpi, DrawnFont* found,
                   std::string* why);

// A monochrome picture: true where something is drawn.
struct Ink {
    int width = 0;
    int height = 0;
    std::vector<bool> pixels;
    bool Blank() const;
    // The part of the picture from column `from` to column `to` (exclusive).
    Ink Columns(int from, int to) const;
};

// The screen inside `rect` (screen coordinates): true where a pixel differs
// from the most common colour there (the background).
Ink ScreenInk(const RECT& rect);
// `text` drawn as a static text control draws it, in a `width` x `height` box.
Ink TextInk(const LOGFONTW& font, const std::wstring& text, int width, int height, UINT flags);

}  // namespace e2e

#endif

// The rule that picks the dialogs' face and size on a screen; pure (the
// caller measures: FontTrials on Windows), so it is tested without a window.
#ifndef VANTREL_APP_FITTING_FONTCHOICE_H
#define VANTREL_APP_FITTING_FONTCHOICE_H

#include <functional>
#include <string>
#include <vector>

namespace vantrel {

struct DialogFont {
    std::wstring face;
    int points = 0;
};

inline bool operator==(const DialogFont& a, const DialogFont& b) {
    return a.face == b.face && a.points == b.points;
}

struct PixelSize {
    int width = 0;
    int height = 0;
};

// A control drawn in a face that has glyphs for its text where the dialog's
// has none ("確定" in a Latin face). Items count from 0.
struct ControlFace {
    int dialog = 0;
    int item = 0;
    std::wstring face;
};

// What one font gives on the screen at hand.
struct FontTrial {
    bool textsFit = false;  // every text of every dialog, values included, shows whole
    PixelSize window;       // the largest window's outer size
    PixelSize units;        // dialog base units: pixels per 4 units across, per 8 down
    std::vector<ControlFace> controlFaces;
};

// No units: nothing was measured (no face is installed).
struct FontChoice {
    DialogFont font;
    PixelSize units;
    std::vector<ControlFace> controlFaces;
};

// `faces`: the candidates, the template's first. The first face that shows
// every text at 9 or 8 point wins, at the first of them whose window fits
// `workArea`, else at the smaller (the window scrolls); where none does, the
// same at 10 point, then 11, and so on to 16; else the first at 9 point.
// Each font is tried once at most.
FontChoice ChooseDialogFont(const std::vector<std::wstring>& faces,
                            const std::function<FontTrial(const DialogFont&)>& trial,
                            PixelSize workArea);

}  // namespace vantrel

#endif

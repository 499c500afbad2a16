// Measures candidate fonts for the two dialogs on this screen, without
// creating them: the Windows side of ChooseLayout. A font is measured as the
// dialog manager would use it: its base units place every control, and each
// static text and push button, and each reference readout in its field, must
// show whole in its control.
#ifndef VANTREL_APP_FONTTRIALS_H
#define VANTREL_APP_FONTTRIALS_H

#include <windows.h>

#include <map>
#include <string>

#include "app/DialogTemplate.h"
#include "app/LayoutChoice.h"

namespace vantrel {

// Dialog base units: pixels per 4 units across and per 8 units down.
struct BaseUnits {
    int x = 0;
    int y = 0;
};

// The font the dialog manager creates for `font` at `dpi`.
HFONT CreateDialogFont(const DialogFont& font, int dpi);
// The base units of the font selected into `dc`, computed as the dialog manager does.
BaseUnits BaseUnitsOf(HDC dc);
// The window size (frame included) of a dialog of `cx` x `cy` units.
PixelSize DialogWindowSize(const DialogTemplate& dialog, BaseUnits units, int dpi);

class FontTrials {
public:
    FontTrials(const DialogTemplate& main, const DialogTemplate& about, int dpi);
    ~FontTrials();
    FontTrials(const FontTrials&) = delete;
    FontTrials& operator=(const FontTrials&) = delete;

    // A face that is not installed fits nothing (the system would draw
    // another in its place), but its window is measured all the same.
    FontTrial Try(const DialogFont& font) const;

private:
    bool IsInstalled(const std::string& face) const;
    bool Fits(const DialogTemplate::Item& item, const std::wstring& text, BaseUnits units) const;

    const DialogTemplate& main_;
    const DialogTemplate& about_;
    int dpi_;
    HDC dc_;
    mutable std::map<std::string, bool> installed_;
};

}  // namespace vantrel

#endif

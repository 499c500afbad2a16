// A face chosen for its Latin widths may have no Chinese glyphs, and a system
// without font links then draws "確定" as boxes. Each control whose text the
// dialog's font cannot draw gets a face that can, at the same height.
#ifndef VANTREL_APP_GLYPHFALLBACK_H
#define VANTREL_APP_GLYPHFALLBACK_H

#include <windows.h>

#include <string>
#include <vector>

#include "app/DialogTemplate.h"

namespace vantrel {

// Chinese (and other ideographic) characters in `text`.
bool HasIdeographs(const std::wstring& text);

// True when `font` draws every character of `text` as a glyph of its own
// (through the system's font links too), not as the missing-glyph box.
bool DrawsText(HFONT font, const std::wstring& text);

class GlyphFallback {
public:
    GlyphFallback() = default;
    ~GlyphFallback();
    GlyphFallback(const GlyphFallback&) = delete;
    GlyphFallback& operator=(const GlyphFallback&) = delete;

    // Gives each child of `dialog` (made from `layout`) whose text its font
    // cannot draw a font that can. The fonts live until this object goes.
    void Apply(HWND dialog, const DialogTemplate& layout);

private:
    std::vector<HFONT> fonts_;
};

}  // namespace vantrel

#endif

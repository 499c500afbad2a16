// How the dialogs are drawn on the screen at hand: which face, which point
// size, and whether the main window has to scroll. Pure: the measuring is
// done by the caller (app/FontTrials for the real screen), so the rule can be
// checked without a window.
#ifndef VANTREL_APP_LAYOUTCHOICE_H
#define VANTREL_APP_LAYOUTCHOICE_H

#include <functional>
#include <string>
#include <vector>

namespace vantrel {

struct DialogFont {
    std::string face;  // UTF-8
    int points = 0;
};

inline bool operator==(const DialogFont& a, const DialogFont& b) {
    return a.face == b.face && a.points == b.points;
}

struct PixelSize {
    int width = 0;
    int height = 0;
};

// What one font gives on the screen at hand.
struct FontTrial {
    bool textsFit = false;  // every text of both dialogs, values included, shows whole
    PixelSize window;       // the main window's outer size
};

struct LayoutChoice {
    DialogFont font;
    bool scrolls = false;  // the window is larger than the work area
};

// The templates' size, and the least a window may shrink to before it scrolls.
constexpr int kTemplatePoints = 9;
constexpr int kSmallestPoints = 8;

// The faces to try where the template's is missing or cuts a text, in order.
// Times-proportioned faces first (the layout was drawn for their widths),
// then the common sans faces of Windows and of a bare Linux.
const std::vector<std::string>& FallbackFaces();

// `faces`: the candidates in order of preference, the template's first;
// `trial` says of a face that is not installed that nothing fits. The first
// face that shows every text at some size from 9 down to 8 point wins, at
// the largest such size whose window fits `workArea`; if none fits, at the
// smallest such size, scrolling. Where no face shows every text, the first
// face at 9 point.
LayoutChoice ChooseLayout(const std::vector<std::string>& faces,
                          const std::function<FontTrial(const DialogFont&)>& trial,
                          PixelSize workArea);

}  // namespace vantrel

#endif

// A dialog template copied out of the program's resources, so that a dialog
// can be created with another face or point size than its resource names
// (DialogBoxIndirectParamW), and so that its controls can be measured before
// the dialog exists.
#ifndef VANTREL_APP_DIALOGTEMPLATE_H
#define VANTREL_APP_DIALOGTEMPLATE_H

#include <windows.h>

#include <string>
#include <vector>

namespace vantrel {

class DialogTemplate {
public:
    struct Item {
        std::wstring className;  // "Button", "Static", ... also for the predefined atoms
        DWORD style = 0;
        int x = 0, y = 0, cx = 0, cy = 0;  // dialog units
        int id = 0;
        std::wstring text;  // empty for an ordinal (an icon's resource id)
    };

    // The extended template `id`; Valid() is false when it is missing or
    // not a DIALOGEX with a font.
    static DialogTemplate Load(HINSTANCE instance, UINT id);

    bool Valid() const { return !bytes_.empty(); }
    DWORD Style() const { return style_; }
    DWORD ExStyle() const { return exStyle_; }
    int Width() const { return cx_; }
    int Height() const { return cy_; }
    const std::wstring& Face() const { return face_; }
    int Points() const { return points_; }
    const std::vector<Item>& Items() const { return items_; }

    // A copy of the whole template with another face and point size, ready
    // for DialogBoxIndirectParamW (the vector keeps it DWORD-aligned).
    std::vector<DWORD> WithFont(const std::wstring& face, int points) const;

private:
    bool Parse();

    std::vector<BYTE> bytes_;
    DWORD style_ = 0, exStyle_ = 0;
    int cx_ = 0, cy_ = 0;
    std::wstring face_;
    int points_ = 0;
    std::size_t pointsOffset_ = 0;  // where the font block starts
    std::size_t itemsOffset_ = 0;   // the first item, DWORD-aligned
    std::vector<Item> items_;
};

}  // namespace vantrel

#endif

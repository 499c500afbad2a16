// A DIALOGEX template read in place from its bytes: the frame, the font and
// the items, which is what a dialog is measured from before it exists. Safe
// on any bytes: a template that is not whole is not Valid(). Also makes a
// copy with another face and point size, to create the dialog from.
#ifndef VANTREL_APP_FITTING_DIALOGTEMPLATE_H
#define VANTREL_APP_FITTING_DIALOGTEMPLATE_H

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "app/fitting/FontChoice.h"

namespace vantrel {

class DialogTemplate {
public:
    struct Item {
        std::wstring className;  // "Button", "Static", ... also for the predefined atoms
        uint32_t style = 0;
        int x = 0, y = 0, cx = 0, cy = 0;  // dialog units
        int id = 0;
        std::wstring text;  // empty for an ordinal (an icon's resource id)
    };

    DialogTemplate() = default;
    // `bytes` must outlive the object (a resource lives as long as the program).
    DialogTemplate(const uint8_t* bytes, std::size_t size);

    bool Valid() const { return bytes_ != nullptr; }
    uint32_t Style() const { return style_; }
    uint32_t ExStyle() const { return exStyle_; }
    int Width() const { return cx_; }
    int Height() const { return cy_; }
    DialogFont Font() const;
    const std::vector<Item>& Items() const { return items_; }

    // The whole template with another face and point size (weight, italic and
    // character set as they are), as DWORDs: a template must be DWORD-aligned.
    std::vector<uint32_t> WithFont(const std::wstring& face, int points) const;

private:
    bool Read();

    const uint8_t* bytes_ = nullptr;
    std::size_t size_ = 0;
    uint32_t style_ = 0, exStyle_ = 0;
    int cx_ = 0, cy_ = 0;
    std::wstring face_;
    int points_ = 0;
    std::size_t fontAt_ = 0;   // where the font block starts
    std::size_t itemsAt_ = 0;  // the first item, DWORD-aligned
    std::vector<Item> items_;
};

}  // namespace vantrel

#endif

// A DIALOGEX template read in place from its bytes, safe on any bytes (one
// that is not whole is not Valid()): what a dialog is measured from before
// it exists, and the copy with another font it can be created from.
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
    DialogTemplate(const uint8_t* bytes, std::size_t size);  // bytes that outlive it

    bool Valid() const { return bytes_ != nullptr; }
    uint32_t Style() const { return style_; }
    uint32_t ExStyle() const { return exStyle_; }
    int Width() const { return cx_; }
    int Height() const { return cy_; }
    DialogFont Font() const { return {face_, points_}; }
    const std::vector<Item>& Items() const { return items_; }
    // The whole template with another face and point size, DWORD-aligned.
    std::vector<uint32_t> WithFont(const std::wstring& face, int points) const;

private:
    bool Read();

    const uint8_t* bytes_ = nullptr;
    std::size_t size_ = 0;
    uint32_t style_ = 0, exStyle_ = 0;
    int cx_ = 0, cy_ = 0;
    std::wstring face_;
    int points_ = 0;
    std::size_t fontAt_ = 0, itemsAt_ = 0;  // the font block; the first item, aligned
    std::vector<Item> items_;
};

}  // namespace vantrel

#endif

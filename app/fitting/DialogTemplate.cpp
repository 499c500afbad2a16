#include "app/fitting/DialogTemplate.h"

#include <algorithm>
#include <cstring>

namespace vantrel {
namespace {

// Reads little-endian fields. A read that would pass the end reads zeros and
// fails the whole reading; the position never passes the end.
class Reader {
public:
    Reader(const uint8_t* bytes, std::size_t size) : bytes_(bytes), size_(size) {}

    std::size_t At() const { return at_; }
    bool Ok() const { return ok_; }
    void AlignToDword() { at_ = std::min((at_ + 3) & ~std::size_t{3}, size_); }
    void Skip(std::size_t count) {
        ok_ = ok_ && count <= size_ - at_;
        at_ += ok_ ? count : 0;
    }
    uint32_t Number(std::size_t width) {
        const std::size_t from = at_;
        Skip(width);
        uint32_t value = 0;
        for (std::size_t i = 0; ok_ && i < width; ++i) {
            value |= static_cast<uint32_t>(bytes_[from + i]) << (8 * i);
        }
        return value;
    }
    uint16_t Word() { return static_cast<uint16_t>(Number(2)); }
    int Short() { return static_cast<int16_t>(Word()); }
    std::wstring String() {  // zero-terminated UTF-16
        std::wstring text;
        for (uint16_t ch = Word(); ok_ && ch != 0; ch = Word()) {
            text.push_back(static_cast<wchar_t>(ch));
        }
        return text;
    }
    // A string, or an ordinal (0xFFFF and a WORD) given back in `ordinal`.
    std::wstring StringOrOrdinal(uint16_t* ordinal) {
        const bool isOrdinal = size_ - at_ >= 2 && bytes_[at_] == 0xFF && bytes_[at_ + 1] == 0xFF;
        Skip(isOrdinal ? 2 : 0);
        *ordinal = isOrdinal ? Word() : 0;
        return isOrdinal ? std::wstring() : String();
    }

private:
    const uint8_t* bytes_;
    std::size_t size_;
    std::size_t at_ = 0;
    bool ok_ = true;
};

}  // namespace

DialogTemplate::DialogTemplate(const uint8_t* bytes, std::size_t size)
    : bytes_(bytes), size_(size) {
    if (bytes == nullptr || !Read()) {
        *this = DialogTemplate();
    }
}

bool DialogTemplate::Read() {
    constexpr uint32_t kSetFont = 0x40;  // DS_SETFONT
    static const wchar_t* const kClasses[] = {L"Button",  L"Edit",      L"Static",
                                              L"ListBox", L"ScrollBar", L"ComboBox"};
    Reader read(bytes_, size_);
    if (read.Word() != 1 || read.Word() != 0xFFFF) {
        return false;  // only DIALOGEX templates
    }
    read.Skip(4);  // help id
    exStyle_ = read.Number(4);
    style_ = read.Number(4);
    const uint16_t count = read.Word();
    read.Skip(4);  // x, y
    cx_ = read.Short();
    cy_ = read.Short();
    uint16_t atom = 0;
    read.StringOrOrdinal(&atom);  // menu
    read.StringOrOrdinal(&atom);  // class
    read.String();                // caption
    fontAt_ = read.At();
    points_ = read.Word();
    read.Skip(4);  // weight, italic, character set
    face_ = read.String();
    read.AlignToDword();
    itemsAt_ = read.At();

    for (uint16_t i = 0; i < count && read.Ok(); ++i) {
        read.AlignToDword();
        Item item;
        read.Skip(8);  // help id, extended style
        item.style = read.Number(4);
        item.x = read.Short();
        item.y = read.Short();
        item.cx = read.Short();
        item.cy = read.Short();
        item.id = static_cast<int32_t>(read.Number(4));
        item.className = read.StringOrOrdinal(&atom);
        if (atom >= 0x0080 && atom < 0x0086) {
            item.className = kClasses[atom - 0x0080];
        }
        item.text = read.StringOrOrdinal(&atom);
        read.Skip(read.Word());  // creation data
        items_.push_back(item);
    }
    return read.Ok() && (style_ & kSetFont) != 0;
}

std::vector<uint32_t> DialogTemplate::WithFont(const std::wstring& face, int points) const {
    if (!Valid()) {
        return {};
    }
    std::vector<uint8_t> out(bytes_, bytes_ + fontAt_);
    const auto put = [&out](uint32_t unit) {
        out.insert(out.end(), {static_cast<uint8_t>(unit & 0xFF), static_cast<uint8_t>(unit >> 8)});
    };
    put(static_cast<uint32_t>(points) & 0xFFFF);
    out.insert(out.end(), bytes_ + fontAt_ + 2, bytes_ + fontAt_ + 6);
    for (wchar_t ch : face) {
        put(static_cast<uint32_t>(ch) & 0xFFFF);
    }
    out.insert(out.end(), 2 + (4 - (out.size() + 2) % 4) % 4, 0);  // terminator, padding
    // The items were DWORD-aligned from the template's start, and still are.
    out.insert(out.end(), bytes_ + itemsAt_, bytes_ + size_);
    std::vector<uint32_t> aligned((out.size() + 3) / 4);
    std::memcpy(aligned.data(), out.data(), out.size());
    return aligned;
}

}  // namespace vantrel

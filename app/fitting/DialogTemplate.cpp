#include "app/fitting/DialogTemplate.h"

#include <algorithm>
#include <cstring>

namespace vantrel {
namespace {

// The predefined control classes an item may name by atom (0x0080 on).
const wchar_t* PredefinedClass(uint16_t atom) {
    static const wchar_t* const kClasses[] = {L"Button",  L"Edit",      L"Static",
                                              L"ListBox", L"ScrollBar", L"ComboBox"};
    return atom >= 0x0080 && atom < 0x0086 ? kClasses[atom - 0x0080] : L"";
}

// Reads little-endian fields. A read that would pass the end reads zeros and
// fails the whole reading; the position never passes the end.
class Reader {
public:
    Reader(const uint8_t* bytes, std::size_t size) : bytes_(bytes), size_(size) {}

    std::size_t At() const { return at_; }
    bool Ok() const { return ok_; }
    void AlignToDword() { at_ = std::min((at_ + 3) & ~std::size_t{3}, size_); }

    uint32_t Number(std::size_t width) {
        uint32_t value = 0;
        const std::size_t from = at_;
        Skip(width);
        for (std::size_t i = 0; i < width; ++i) {
            value |= ok_ ? static_cast<uint32_t>(bytes_[from + i]) << (8 * i) : 0;
        }
        return value;
    }
    uint16_t Word() { return static_cast<uint16_t>(Number(2)); }
    uint32_t Dword() { return Number(4); }
    int Short() { return static_cast<int16_t>(Word()); }
    void Skip(std::size_t count) {
        if (!ok_ || count > size_ - at_) {
            ok_ = false;
            return;
        }
        at_ += count;
    }
    // A zero-terminated UTF-16 string.
    std::wstring String() {
        std::wstring text;
        for (uint16_t ch = Word(); ok_ && ch != 0; ch = Word()) {
            text.push_back(static_cast<wchar_t>(ch));
        }
        return text;
    }
    // A string, or an ordinal (0xFFFF and a WORD) given back in `ordinal`
    // with an empty string.
    std::wstring StringOrOrdinal(uint16_t* ordinal) {
        *ordinal = 0;
        if (size_ - at_ >= 2 && bytes_[at_] == 0xFF && bytes_[at_ + 1] == 0xFF) {
            Skip(2);
            *ordinal = Word();
            return std::wstring();
        }
        return String();
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

DialogFont DialogTemplate::Font() const {
    return {face_, points_};
}

bool DialogTemplate::Read() {
    constexpr uint32_t kSetFont = 0x40;  // DS_SETFONT
    Reader read(bytes_, size_);
    if (read.Word() != 1 || read.Word() != 0xFFFF) {
        return false;  // only DIALOGEX templates
    }
    read.Dword();  // help id
    exStyle_ = read.Dword();
    style_ = read.Dword();
    const uint16_t count = read.Word();
    read.Skip(4);  // x, y
    cx_ = read.Short();
    cy_ = read.Short();
    uint16_t ordinal = 0;
    read.StringOrOrdinal(&ordinal);  // menu
    read.StringOrOrdinal(&ordinal);  // class
    read.String();                   // caption
    if ((style_ & kSetFont) == 0) {
        return false;
    }
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
        item.style = read.Dword();
        item.x = read.Short();
        item.y = read.Short();
        item.cx = read.Short();
        item.cy = read.Short();
        item.id = static_cast<int32_t>(read.Dword());
        item.className = read.StringOrOrdinal(&ordinal);
        if (ordinal != 0) {
            item.className = PredefinedClass(ordinal);
        }
        item.text = read.StringOrOrdinal(&ordinal);
        read.Skip(read.Word());  // creation data
        items_.push_back(item);
    }
    return read.Ok();
}

std::vector<uint32_t> DialogTemplate::WithFont(const std::wstring& face, int points) const {
    if (!Valid()) {
        return {};
    }
    std::vector<uint8_t> out(bytes_, bytes_ + fontAt_);
    out.push_back(static_cast<uint8_t>(points & 0xFF));
    out.push_back(static_cast<uint8_t>((points >> 8) & 0xFF));
    out.insert(out.end(), bytes_ + fontAt_ + 2, bytes_ + fontAt_ + 6);
    for (wchar_t ch : face) {
        out.push_back(static_cast<uint8_t>(ch & 0xFF));
        out.push_back(static_cast<uint8_t>((ch >> 8) & 0xFF));
    }
    out.insert(out.end(), 2 + (4 - (out.size() + 2) % 4) % 4, 0);  // terminator, padding
    // The items were DWORD-aligned from the template's start, and still are.
    out.insert(out.end(), bytes_ + itemsAt_, bytes_ + size_);
    std::vector<uint32_t> aligned((out.size() + 3) / 4);
    std::memcpy(aligned.data(), out.data(), out.size());
    return aligned;
}

}  // namespace vantrel

#include "app/DialogTemplate.h"

#include <cstring>

namespace vantrel {
namespace {

// The predefined control classes an item may name by atom.
const wchar_t* PredefinedClass(WORD atom) {
    switch (atom) {
    case 0x0080:
        return L"Button";
    case 0x0081:
        return L"Edit";
    case 0x0082:
        return L"Static";
    case 0x0083:
        return L"ListBox";
    case 0x0084:
        return L"ScrollBar";
    case 0x0085:
        return L"ComboBox";
    default:
        return L"";
    }
}

// Reads the template's little-endian fields, refusing to run past its end.
class Reader {
public:
    Reader(const std::vector<BYTE>& bytes, std::size_t at) : bytes_(bytes), at_(at) {}

    std::size_t At() const { return at_; }
    bool Ok() const { return ok_; }
    void AlignToDword() { at_ = (at_ + 3) & ~std::size_t{3}; }

    WORD Word() {
        WORD value = 0;
        Copy(&value, sizeof value);
        return value;
    }
    DWORD Dword() {
        DWORD value = 0;
        Copy(&value, sizeof value);
        return value;
    }
    short Short() { return static_cast<short>(Word()); }
    BYTE Byte() {
        BYTE value = 0;
        Copy(&value, sizeof value);
        return value;
    }
    void Skip(std::size_t count) {
        if (count > bytes_.size() - at_) {
            ok_ = false;
        } else {
            at_ += count;
        }
    }
    // A zero-terminated UTF-16 string.
    std::wstring String() {
        std::wstring text;
        while (ok_) {
            const WORD ch = Word();
            if (ch == 0) {
                break;
            }
            text.push_back(static_cast<wchar_t>(ch));
        }
        return text;
    }
    // A string, an ordinal (0xFFFF and a WORD) or nothing (0x0000); an
    // ordinal comes back in `ordinal` with an empty string.
    std::wstring StringOrOrdinal(WORD* ordinal) {
        *ordinal = 0;
        const std::size_t start = at_;
        const WORD first = Word();
        if (first == 0xFFFF) {
            *ordinal = Word();
            return std::wstring();
        }
        at_ = start;
        return String();
    }

private:
    void Copy(void* to, std::size_t size) {
        if (!ok_ || size > bytes_.size() - at_) {
            ok_ = false;
            return;
        }
        std::memcpy(to, &bytes_[at_], size);
        at_ += size;
    }

    const std::vector<BYTE>& bytes_;
    std::size_t at_;
    bool ok_ = true;
};

}  // namespace

DialogTemplate DialogTemplate::Load(HINSTANCE instance, UINT id) {
    DialogTemplate result;
    HRSRC resource =
        FindResourceW(instance, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(5));  // RT_DIALOG
    HGLOBAL loaded = resource != nullptr ? LoadResource(instance, resource) : nullptr;
    const BYTE* data = loaded != nullptr ? static_cast<const BYTE*>(LockResource(loaded)) : nullptr;
    if (data == nullptr) {
        return result;
    }
    result.bytes_.assign(data, data + SizeofResource(instance, resource));
    if (!result.Parse()) {
        result.bytes_.clear();
    }
    return result;
}

bool DialogTemplate::Parse() {
    Reader read(bytes_, 0);
    const WORD version = read.Word();
    const WORD signature = read.Word();
    if (version != 1 || signature != 0xFFFF) {
        return false;  // only DIALOGEX templates
    }
    read.Dword();  // help id
    exStyle_ = read.Dword();
    style_ = read.Dword();
    const WORD count = read.Word();
    read.Short();  // x
    read.Short();  // y
    cx_ = read.Short();
    cy_ = read.Short();
    WORD ordinal = 0;
    read.StringOrOrdinal(&ordinal);  // menu
    read.StringOrOrdinal(&ordinal);  // class
    read.String();                   // caption
    if ((style_ & DS_SETFONT) == 0) {
        return false;
    }
    pointsOffset_ = read.At();
    points_ = read.Word();
    read.Word();  // weight
    read.Byte();  // italic
    read.Byte();  // character set
    face_ = read.String();
    read.AlignToDword();
    itemsOffset_ = read.At();

    for (WORD i = 0; i < count && read.Ok(); ++i) {
        read.AlignToDword();
        Item item;
        read.Dword();  // help id
        read.Dword();  // extended style
        item.style = read.Dword();
        item.x = read.Short();
        item.y = read.Short();
        item.cx = read.Short();
        item.cy = read.Short();
        item.id = static_cast<int>(static_cast<LONG>(read.Dword()));
        item.className = read.StringOrOrdinal(&ordinal);
        if (ordinal != 0) {
            item.className = PredefinedClass(ordinal);
        }
        item.text = read.StringOrOrdinal(&ordinal);
        read.Skip(read.Word());  // creation data
        items_.push_back(item);
    }
    return read.Ok() && items_.size() == count;
}

std::vector<DWORD> DialogTemplate::WithFont(const std::wstring& face, int points) const {
    std::vector<BYTE> out(bytes_.begin(),
                          bytes_.begin() + static_cast<std::ptrdiff_t>(pointsOffset_));
    const WORD size = static_cast<WORD>(points);
    out.push_back(static_cast<BYTE>(size & 0xFF));
    out.push_back(static_cast<BYTE>(size >> 8));
    // Weight, italic and character set stay as the resource has them.
    out.insert(out.end(), bytes_.begin() + static_cast<std::ptrdiff_t>(pointsOffset_ + 2),
               bytes_.begin() + static_cast<std::ptrdiff_t>(pointsOffset_ + 6));
    for (wchar_t ch : face) {
        out.push_back(static_cast<BYTE>(ch & 0xFF));
        out.push_back(static_cast<BYTE>((ch >> 8) & 0xFF));
    }
    out.push_back(0);
    out.push_back(0);
    while (out.size() % 4 != 0) {
        out.push_back(0);
    }
    // The items were DWORD-aligned from the template's start, and still are.
    out.insert(out.end(), bytes_.begin() + static_cast<std::ptrdiff_t>(itemsOffset_), bytes_.end());
    std::vector<DWORD> aligned((out.size() + 3) / 4);
    std::memcpy(aligned.data(), out.data(), out.size());
    return aligned;
}

}  // namespace vantrel

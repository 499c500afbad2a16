#include "app/PortSelector.h"

#include "app/PortList.h"
#include "devicelib/TextConversion.h"

namespace vantrel {

CPortSelector thePortSelector;

void CPortSelector::Fill() {
    for (int i = 0; i < kPortListSize; ++i) {
        const std::wstring text = Utf8ToWide(PortListEntry(i));
        const LRESULT position =
            SendMessageW(combo_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
        SendMessageW(combo_, CB_SETITEMDATA, static_cast<WPARAM>(position), i);
    }
}

void CPortSelector::Select(int position) {
    SendMessageW(combo_, CB_SETCURSEL, static_cast<WPARAM>(position), 0);
}

int CPortSelector::CurrentSelection() const {
    return static_cast<int>(SendMessageW(combo_, CB_GETCURSEL, 0, 0));
}

}  // namespace vantrel

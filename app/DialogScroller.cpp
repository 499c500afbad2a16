#include "app/DialogScroller.h"

#include <algorithm>

namespace vantrel {
namespace {

int Bar(int axis) {
    return axis == 0 ? SB_HORZ : SB_VERT;
}

}  // namespace

void DialogScroller::Fit(HWND dialog, const RECT& workArea, int lineHeight) {
    dialog_ = dialog;
    line_ = std::max(lineHeight, 1);
    RECT client{};
    RECT window{};
    GetClientRect(dialog, &client);
    GetWindowRect(dialog, &window);
    content_[kAcross] = client.right;
    content_[kDown] = client.bottom;
    const int frameX = (window.right - window.left) - client.right;
    const int frameY = (window.bottom - window.top) - client.bottom;
    const int areaX = workArea.right - workArea.left;
    const int areaY = workArea.bottom - workArea.top;

    // A scroll bar on one axis takes room from the other.
    const int barX = GetSystemMetrics(SM_CXVSCROLL);
    const int barY = GetSystemMetrics(SM_CYHSCROLL);
    bool down = content_[kDown] + frameY > areaY;
    const bool across = content_[kAcross] + frameX + (down ? barX : 0) > areaX;
    down = down || content_[kDown] + frameY + (across ? barY : 0) > areaY;
    scrolls_[kAcross] = across;
    scrolls_[kDown] = down;

    const int width = std::min(content_[kAcross] + frameX + (down ? barX : 0), areaX);
    const int height = std::min(content_[kDown] + frameY + (across ? barY : 0), areaY);
    const int x = std::max<int>(workArea.left, std::min<int>(window.left, workArea.right - width));
    const int y = std::max<int>(workArea.top, std::min<int>(window.top, workArea.bottom - height));
    if (!across && !down) {
        if (x != window.left || y != window.top) {
            SetWindowPos(dialog, nullptr, x, y, 0, 0, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOSIZE);
        }
        return;
    }
    SetWindowPos(dialog, nullptr, x, y, width, height,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    for (int axis : {kAcross, kDown}) {
        if (scrolls_[axis]) {
            position_[axis] = 0;
            wheel_[axis] = 0;
            ShowScrollBar(dialog, Bar(axis), TRUE);
        }
    }
    GetClientRect(dialog, &client);
    page_[kAcross] = client.right;
    page_[kDown] = client.bottom;
    for (int axis : {kAcross, kDown}) {
        if (scrolls_[axis]) {
            SCROLLINFO info{sizeof info,
                            SIF_RANGE | SIF_PAGE | SIF_POS,
                            0,
                            content_[axis] - 1,
                            static_cast<UINT>(page_[axis]),
                            0,
                            0};
            SetScrollInfo(dialog, Bar(axis), &info, TRUE);
        }
    }
}

void DialogScroller::Reset() {
    if (dialog_ == nullptr) {
        return;
    }
    for (int axis : {kAcross, kDown}) {
        if (scrolls_[axis]) {
            ScrollTo(static_cast<Axis>(axis), 0);
            ShowScrollBar(dialog_, Bar(axis), FALSE);
            scrolls_[axis] = false;
        }
    }
}

void DialogScroller::ScrollTo(Axis axis, int position) {
    position = std::max(0, std::min(position, content_[axis] - page_[axis]));
    const int delta = position_[axis] - position;
    if (delta == 0) {
        return;
    }
    position_[axis] = position;
    ScrollWindowEx(dialog_, axis == kAcross ? delta : 0, axis == kDown ? delta : 0, nullptr,
                   nullptr, nullptr, nullptr, SW_SCROLLCHILDREN | SW_INVALIDATE | SW_ERASE);
    SetScrollPos(dialog_, Bar(axis), position, TRUE);
}

void DialogScroller::OnScrollBar(Axis axis, int request) {
    int position = position_[axis];
    switch (request) {
    case SB_LINEUP:
        position -= line_;
        break;
    case SB_LINEDOWN:
        position += line_;
        break;
    case SB_PAGEUP:
        position -= page_[axis];
        break;
    case SB_PAGEDOWN:
        position += page_[axis];
        break;
    case SB_TOP:
        position = 0;
        break;
    case SB_BOTTOM:
        position = content_[axis];
        break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
        SCROLLINFO info{};
        info.cbSize = sizeof info;
        info.fMask = SIF_TRACKPOS;
        GetScrollInfo(dialog_, Bar(axis), &info);
        position = info.nTrackPos;
        break;
    }
    default:
        return;
    }
    ScrollTo(axis, position);
}

void DialogScroller::OnWheel(Axis axis, int delta) {
    UINT lines = 3;
    SystemParametersInfoW(axis == kDown ? SPI_GETWHEELSCROLLLINES : SPI_GETWHEELSCROLLCHARS, 0,
                          &lines, 0);
    wheel_[axis] += delta;
    const int notches = wheel_[axis] / WHEEL_DELTA;
    wheel_[axis] -= notches * WHEEL_DELTA;
    const int step = lines == WHEEL_PAGESCROLL ? page_[axis] : static_cast<int>(lines) * line_;
    // Turning the wheel away from the user scrolls up; tilting it right, right.
    ScrollTo(axis, position_[axis] + (axis == kDown ? -notches : notches) * step);
}

bool DialogScroller::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_HSCROLL:
    case WM_VSCROLL: {
        const Axis axis = message == WM_VSCROLL ? kDown : kAcross;
        if (!scrolls_[axis] || lParam != 0) {
            return false;  // lParam names a scroll-bar control: not ours
        }
        OnScrollBar(axis, LOWORD(wParam));
        return true;
    }
    case WM_MOUSEWHEEL:
    case WM_MOUSEHWHEEL: {
        const Axis axis = message == WM_MOUSEWHEEL ? kDown : kAcross;
        if (!scrolls_[axis]) {
            return false;
        }
        OnWheel(axis, GET_WHEEL_DELTA_WPARAM(wParam));
        return true;
    }
    default:
        return false;
    }
}

void DialogScroller::Reveal(HWND control) {
    if (dialog_ == nullptr || control == nullptr || !IsChild(dialog_, control)) {
        return;
    }
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, dialog_, reinterpret_cast<POINT*>(&rect), 2);
    const int from[2] = {rect.left, rect.top};
    const int to[2] = {rect.right, rect.bottom};
    for (int axis : {kAcross, kDown}) {
        if (!scrolls_[axis]) {
            continue;
        }
        if (from[axis] < 0) {
            ScrollTo(static_cast<Axis>(axis), position_[axis] + from[axis]);
        } else if (to[axis] > page_[axis]) {
            // The far edge into view, unless that hides the near one.
            const int shift = std::min(to[axis] - page_[axis], from[axis]);
            ScrollTo(static_cast<Axis>(axis), position_[axis] + shift);
        }
    }
}

}  // namespace vantrel

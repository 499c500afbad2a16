#include "app/fitting/DialogScroller.h"

#include <algorithm>

#include "app/fitting/FontTrials.h"

namespace vantrel {

constexpr int kBar[2] = {SB_HORZ, SB_VERT};

void DialogScroller::Fit(HWND dialog, const RECT& workArea, int lineHeight, int dpi) {
    dialog_ = dialog;
    line_ = std::max(lineHeight, 1);
    // Whatever scrolled before, the controls stand where the template puts them.
    ShowScrollBar(dialog, SB_BOTH, FALSE);
    RECT client{};
    RECT window{};
    GetClientRect(dialog, &client);
    GetWindowRect(dialog, &window);
    content_[kAcross] = client.right;
    content_[kDown] = client.bottom;
    const int frame[2] = {window.right - window.left - client.right,
                          window.bottom - window.top - client.bottom};
    const int area[2] = {workArea.right - workArea.left, workArea.bottom - workArea.top};
    // A scroll bar on one axis (the horizontal one's height, the vertical
    // one's width) takes room from the other.
    const int bar[2] = {MetricForDpi(SM_CYHSCROLL, dpi), MetricForDpi(SM_CXVSCROLL, dpi)};
    const auto need = [&](int axis) {
        return content_[axis] + frame[axis] + (scrolls_[1 - axis] ? bar[1 - axis] : 0);
    };
    scrolls_[kAcross] = false;
    scrolls_[kDown] = need(kDown) > area[kDown];
    scrolls_[kAcross] = need(kAcross) > area[kAcross];
    scrolls_[kDown] = need(kDown) > area[kDown];
    const int width = std::min(need(kAcross), area[kAcross]);
    const int height = std::min(need(kDown), area[kDown]);
    const int x = std::max<int>(workArea.left, std::min<int>(window.left, workArea.right - width));
    const int y = std::max<int>(workArea.top, std::min<int>(window.top, workArea.bottom - height));
    const bool scrolls = scrolls_[kAcross] || scrolls_[kDown];
    SetWindowPos(dialog, nullptr, x, y, width, height,
                 SWP_NOZORDER | SWP_NOACTIVATE | (scrolls ? SWP_FRAMECHANGED : SWP_NOSIZE));
    for (int axis : {kAcross, kDown}) {
        position_[axis] = 0;
        wheel_[axis] = 0;
        if (scrolls_[axis]) {
            ShowScrollBar(dialog, kBar[axis], TRUE);
        }
    }
    GetClientRect(dialog, &client);
    page_[kAcross] = client.right;
    page_[kDown] = client.bottom;
    for (int axis : {kAcross, kDown}) {
        if (scrolls_[axis]) {
            const int last = content_[axis] - 1;
            const UINT page = static_cast<UINT>(page_[axis]);
            SCROLLINFO info{sizeof info, SIF_RANGE | SIF_PAGE | SIF_POS, 0, last, page, 0, 0};
            SetScrollInfo(dialog, kBar[axis], &info, TRUE);
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
    SetScrollPos(dialog_, kBar[axis], position, TRUE);
}

bool DialogScroller::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    const Axis axis = message == WM_HSCROLL || message == WM_MOUSEHWHEEL ? kAcross : kDown;
    const bool wheel = message == WM_MOUSEWHEEL || message == WM_MOUSEHWHEEL;
    // A WM_?SCROLL whose lParam names a scroll-bar control is not ours.
    if ((!wheel && message != WM_HSCROLL && message != WM_VSCROLL) || !scrolls_[axis] ||
        (!wheel && lParam != 0)) {
        return false;
    }
    if (wheel) {
        UINT lines = 3;
        SystemParametersInfoW(axis == kDown ? SPI_GETWHEELSCROLLLINES : SPI_GETWHEELSCROLLCHARS, 0,
                              &lines, 0);
        wheel_[axis] += GET_WHEEL_DELTA_WPARAM(wParam);
        const int notches = wheel_[axis] / WHEEL_DELTA;
        wheel_[axis] -= notches * WHEEL_DELTA;
        const int step = lines == WHEEL_PAGESCROLL ? page_[axis] : static_cast<int>(lines) * line_;
        // Turning the wheel away from the user scrolls up; tilting it right, right.
        ScrollTo(axis, position_[axis] + (axis == kDown ? -notches : notches) * step);
        return true;
    }
    const WORD request = LOWORD(wParam);
    if (request == SB_THUMBTRACK || request == SB_THUMBPOSITION) {
        SCROLLINFO track{sizeof track, SIF_TRACKPOS, 0, 0, 0, 0, 0};
        GetScrollInfo(dialog_, kBar[axis], &track);
        ScrollTo(axis, track.nTrackPos);
    } else if (request <= SB_BOTTOM) {
        // SB_LINEUP, SB_LINEDOWN, SB_PAGEUP, SB_PAGEDOWN, the thumb's two, SB_TOP, SB_BOTTOM.
        const int at = position_[axis];
        const int to[] = {at - line_, at + line_, at - page_[axis], at + page_[axis], at,
                          at,         0,          content_[axis]};
        ScrollTo(axis, to[request]);
    }
    return true;
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
    for (Axis axis : {kAcross, kDown}) {
        if (scrolls_[axis] && from[axis] < 0) {
            ScrollTo(axis, position_[axis] + from[axis]);
        } else if (scrolls_[axis] && to[axis] > page_[axis]) {
            // The far edge into view, unless that hides the near one.
            ScrollTo(axis, position_[axis] + std::min(to[axis] - page_[axis], from[axis]));
        }
    }
}

}  // namespace vantrel

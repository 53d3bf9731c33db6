#include "menu/FindBox.h"

#include "common/TextEncoding.h"
#include "menu/core/MenuTexts.h"

#include <commctrl.h>

namespace corvane::menu {

bool FindBox::Create(HWND parent, int id) noexcept {
    edit_ = ::CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"", WS_CHILD | WS_TABSTOP | ES_AUTOHSCROLL, 0, 0, 0,
                              0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                              ::GetModuleHandleW(nullptr), nullptr);
    if (edit_ == nullptr) {
        return false;
    }
    const std::wstring cue = WideFromUtf8(texts::kFindCue);
    ::SendMessageW(edit_, EM_SETCUEBANNER, TRUE, reinterpret_cast<LPARAM>(cue.c_str()));
    return ::SetWindowSubclass(edit_, &FindBox::KeyHandling, 1, reinterpret_cast<DWORD_PTR>(this)) != FALSE;
}

void FindBox::Open() noexcept {
    open_ = true;
    ::ShowWindow(edit_, SW_SHOW);
    ::SetFocus(edit_);
    ::SendMessageW(edit_, EM_SETSEL, 0, -1);
}

void FindBox::Close() noexcept {
    open_ = false;
    ::ShowWindow(edit_, SW_HIDE);
    ::SetWindowTextW(edit_, L"");
}

std::string FindBox::Text() const {
    const auto length = ::GetWindowTextLengthW(edit_);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    text.resize(static_cast<std::size_t>(::GetWindowTextW(edit_, text.data(), length + 1)));
    return Utf8FromWide(text);
}

void FindBox::OnCommand(UINT notification) noexcept {
    if (notification == EN_CHANGE) {
        host_.OnFindTextChanged();
    }
}

bool FindBox::OnKey(WPARAM key) noexcept {
    switch (key) {
        case VK_DOWN:
            host_.OnFindDown();
            return true;
        case VK_RETURN:
            host_.OnFindEnter();
            return true;
        case VK_ESCAPE:
            // The first Esc empties the box, the second closes it.
            if (::GetWindowTextLengthW(edit_) > 0) {
                ::SetWindowTextW(edit_, L"");
            } else {
                Close();
                host_.OnFindClosed();
            }
            return true;
        default:
            return false;
    }
}

LRESULT CALLBACK FindBox::KeyHandling(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                      DWORD_PTR self) noexcept {
    const bool ownKey = wParam == VK_DOWN || wParam == VK_RETURN || wParam == VK_ESCAPE;
    switch (message) {
        case WM_GETDLGCODE:
            // Enter and Esc would otherwise become the window's OK and Cancel in the message loop.
            if (lParam != 0 && reinterpret_cast<const MSG*>(lParam)->message == WM_KEYDOWN && ownKey) {
                return DLGC_WANTMESSAGE | ::DefSubclassProc(edit, message, wParam, lParam);
            }
            break;
        case WM_KEYDOWN:
            if (ownKey && reinterpret_cast<FindBox*>(self)->OnKey(wParam)) {
                return 0;
            }
            break;
        case WM_CHAR:
            if (wParam == L'\r' || wParam == 0x1B) {
                return 0;  // handled as keys above; as characters the edit would only beep
            }
            break;
        default:
            break;
    }
    return ::DefSubclassProc(edit, message, wParam, lParam);
}

}  // namespace corvane::menu

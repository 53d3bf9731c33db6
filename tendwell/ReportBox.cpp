#include "tendwell/ReportBox.h"

#include <commctrl.h>

namespace corvane::tendwell {
namespace {

constexpr UINT_PTR kSubclassId = 1;

LRESULT CALLBACK ReportKeys(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                            DWORD_PTR) noexcept {
    if (message == WM_GETDLGCODE) {
        // Arrows still scroll; Tab, Escape and Enter go back to the dialog manager.
        return ::DefSubclassProc(edit, message, wParam, lParam) & ~LRESULT{DLGC_WANTALLKEYS | DLGC_WANTTAB};
    }
    if (message == WM_NCDESTROY) {
        ::RemoveWindowSubclass(edit, &ReportKeys, kSubclassId);
    }
    return ::DefSubclassProc(edit, message, wParam, lParam);
}

}  // namespace

bool MakeReportBox(HWND edit) noexcept {
    return ::SetWindowSubclass(edit, &ReportKeys, kSubclassId, 0) != FALSE;
}

}  // namespace corvane::tendwell

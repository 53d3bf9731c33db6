#include "menu/ListViewCells.h"

#include "common/TextEncoding.h"
#include "common/core/Twips.h"

namespace corvane::menu {

void InsertColumn(HWND list, int column, const char* header, int widthTwips, int dpi, int format) {
    std::wstring text = WideFromUtf8(header);
    LVCOLUMNW item{};
    item.mask = LVCF_TEXT | LVCF_SUBITEM | LVCF_WIDTH | LVCF_FMT;
    item.fmt = format;
    item.pszText = text.data();
    item.iSubItem = column;
    item.cx = TwipsToPixels(widthTwips, dpi);
    ::SendMessageW(list, LVM_INSERTCOLUMNW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&item));
}

void SetCell(HWND list, int row, int column, const std::string& text) {
    std::wstring wide = WideFromUtf8(text);
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = wide.data();
    ::SendMessageW(list, LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

}  // namespace corvane::menu

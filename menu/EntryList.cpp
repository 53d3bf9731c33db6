#include "menu/EntryList.h"

#include "common/FileContents.h"
#include "common/SystemError.h"
#include "menu/MenuTexts.h"
#include "menu/core/DataFile.h"

#include <commctrl.h>

#include <atomic>
#include <vector>

namespace corvane::menu {
namespace {

// Running out of file handles is the one failure the user is told about in a message box, as
// before anything was touched; every other failure goes back to the caller.
void ReportIfOutOfHandles(DWORD error, const char* leadIn) {
    if (error == ERROR_TOO_MANY_OPEN_FILES) {
        const std::string text = leadIn + SystemErrorText(error);
        ::MessageBoxA(nullptr, text.c_str(), texts::kProgramTitle, MB_OK | MB_ICONERROR);
    }
}

LPARAM NextRowId() {
    static std::atomic<LPARAM> next{1};  // identities only; no window state lives here
    return next++;
}

void SetFirstPanel(HWND statusBar, const char* text) {
    if (statusBar != nullptr) {
        ::SendMessageA(statusBar, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(text));
    }
}

}  // namespace

int AppendRow(HWND listView, std::span<const std::string_view> fields) {
    if (fields.empty()) {
        return -1;
    }
    std::string text;  // list view messages want NUL-terminated, writable text
    LVITEMA item{};
    item.mask = LVIF_TEXT | LVIF_PARAM;
    item.iItem = static_cast<int>(::SendMessageA(listView, LVM_GETITEMCOUNT, 0, 0));
    item.lParam = NextRowId();
    text.assign(fields[0]);
    item.pszText = text.data();
    const auto index = static_cast<int>(::SendMessageA(listView, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
    if (index < 0) {
        return index;
    }
    for (std::size_t column = 1; column < fields.size(); ++column) {
        LVITEMA sub{};
        sub.iSubItem = static_cast<int>(column);
        text.assign(fields[column]);
        sub.pszText = text.data();
        ::SendMessageA(listView, LVM_SETITEMTEXTA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&sub));
    }
    return index;
}

LPARAM RowId(HWND listView, int row) {
    LVITEMA item{};
    item.mask = LVIF_PARAM;
    item.iItem = row;
    return ::SendMessageA(listView, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item)) ? item.lParam : 0;
}

int FindRow(HWND listView, LPARAM id) {
    LVFINDINFOA find{};
    find.flags = LVFI_PARAM;
    find.lParam = id;
    return static_cast<int>(::SendMessageA(listView, LVM_FINDITEMA, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&find)));
}

int ColumnCount(HWND listView) {
    const auto header = reinterpret_cast<HWND>(::SendMessageA(listView, LVM_GETHEADER, 0, 0));
    const auto count = header != nullptr ? static_cast<int>(::SendMessageA(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
    return count > 0 ? count : 0;
}

std::string RowText(HWND listView, int row, int column) {
    // LVM_GETITEMTEXT has no way to ask for the length: grow until the text fits.
    std::vector<char> buffer(256);
    while (true) {
        LVITEMA item{};
        item.iSubItem = column;
        item.pszText = buffer.data();
        item.cchTextMax = static_cast<int>(buffer.size());
        const auto length = static_cast<std::size_t>(
            ::SendMessageA(listView, LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item)));
        if (length + 1 < buffer.size()) {
            return std::string(buffer.data(), length);
        }
        buffer.resize(buffer.size() * 4);
    }
}

DWORD LoadList(const std::string& fileName, HWND listView) {
    std::string contents;
    if (const DWORD error = ReadWholeFile(fileName, contents); error != ERROR_SUCCESS) {
        ReportIfOutOfHandles(error, texts::kErrorLoadingList);
        return error;
    }
    const int columns = ColumnCount(listView);
    if (columns == 0) {
        return ERROR_SUCCESS;
    }
    // Without redraw and with the room reserved up front, filling a large list is orders of
    // magnitude faster than row by row.
    ::SendMessageA(listView, WM_SETREDRAW, FALSE, 0);
    const auto rows = static_cast<std::size_t>(::SendMessageA(listView, LVM_GETITEMCOUNT, 0, 0));
    const std::size_t total = rows + CountRecords(contents, static_cast<std::size_t>(columns));
    ::SendMessageA(listView, LVM_SETITEMCOUNT, total, 0);
    ForEachRecord(contents, static_cast<std::size_t>(columns), [&](std::span<const std::string_view> fields) {
        AppendRow(listView, fields);
    });
    ::SendMessageA(listView, WM_SETREDRAW, TRUE, 0);
    ::InvalidateRect(listView, nullptr, TRUE);
    return ERROR_SUCCESS;
}

DWORD SaveList(const std::string& fileName, HWND listView) {
    const int columns = ColumnCount(listView);
    const auto rows = static_cast<int>(::SendMessageA(listView, LVM_GETITEMCOUNT, 0, 0));
    std::string contents;
    std::vector<std::string> fields(static_cast<std::size_t>(columns));
    std::vector<std::string_view> views(fields.size());
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            fields[static_cast<std::size_t>(column)] = RowText(listView, row, column);
            views[static_cast<std::size_t>(column)] = fields[static_cast<std::size_t>(column)];
        }
        AppendRecord(contents, views);
    }
    const DWORD error = ReplaceFileContents(fileName, contents);
    ReportIfOutOfHandles(error, texts::kErrorSavingList);
    return error;
}

DWORD LoadEntries(HWND listView, HWND statusBar, const std::string& dataFile) {
    SetFirstPanel(statusBar, texts::kLoadingData);
    ::SendMessageA(listView, LVM_DELETEALLITEMS, 0, 0);
    const DWORD result = LoadList(dataFile, listView);
    SetFirstPanel(statusBar, texts::kDataLoaded);
    return result;
}

}  // namespace corvane::menu

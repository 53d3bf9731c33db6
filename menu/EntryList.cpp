#include "menu/EntryList.h"

#include "common/FileContents.h"
#include "common/SystemError.h"
#include "menu/ListSorting.h"
#include "menu/core/DataFile.h"
#include "menu/core/MenuTexts.h"

#include <commctrl.h>

#include <atomic>
#include <new>
#include <numeric>
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

// Appends rows with fresh identities. The texts go in as UTF-16, converted from the ANSI code page here
// into one reused buffer: the ANSI messages would convert every text into an allocation of its own.
// The list view keeps the same texts either way.
class RowAppender {
  public:
    explicit RowAppender(HWND listView) : listView_(listView) {}

    int Append(std::span<const std::string_view> fields) {
        if (fields.empty()) {
            return -1;
        }
        LVITEMW item{};
        item.mask = LVIF_TEXT | LVIF_PARAM;
        item.iItem = static_cast<int>(::SendMessageW(listView_, LVM_GETITEMCOUNT, 0, 0));
        item.lParam = NextRowId();
        item.pszText = Wide(fields[0]);
        const auto index =
            static_cast<int>(::SendMessageW(listView_, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
        if (index < 0) {
            return index;
        }
        for (std::size_t column = 1; column < fields.size(); ++column) {
            if (fields[column].empty()) {
                continue;  // a sub-item never set reads as empty text; setting it only costs memory
            }
            LVITEMW sub{};
            sub.iSubItem = static_cast<int>(column);
            sub.pszText = Wide(fields[column]);
            if (!::SendMessageW(listView_, LVM_SETITEMTEXTW, static_cast<WPARAM>(index),
                                reinterpret_cast<LPARAM>(&sub))) {
                // A row without its target is not the entry: none rather than a wrong one.
                ::SendMessageW(listView_, LVM_DELETEITEM, static_cast<WPARAM>(index), 0);
                return -1;
            }
        }
        return index;
    }

  private:
    // The text, NUL-terminated, in the buffer. A byte of the ANSI code page never becomes more than
    // one UTF-16 unit, so the text's length in bytes is room enough.
    wchar_t* Wide(std::string_view text) {
        const int length = static_cast<int>(text.size());
        wide_.resize(text.size() + 1);
        const int units =
            length == 0 ? 0 : ::MultiByteToWideChar(CP_ACP, 0, text.data(), length, wide_.data(), length);
        wide_[static_cast<std::size_t>(units)] = L'\0';
        return wide_.data();
    }

    HWND listView_;
    std::wstring wide_;
};

// Turns the list view's drawing off for a bulk change and back on (with a repaint) afterwards, so that
// a large list is filled without a repaint per row.
class RedrawPaused {
  public:
    explicit RedrawPaused(HWND listView) : listView_(listView) {
        ::SendMessageA(listView_, WM_SETREDRAW, FALSE, 0);
    }
    ~RedrawPaused() {
        ::SendMessageA(listView_, WM_SETREDRAW, TRUE, 0);
        ::InvalidateRect(listView_, nullptr, TRUE);
    }
    RedrawPaused(const RedrawPaused&) = delete;
    RedrawPaused& operator=(const RedrawPaused&) = delete;

  private:
    HWND listView_;
};

// The order in which to append the records whose fields lie one after the other in `fields`: file
// order, or the order SortListView would give them by `order` when that names one of their fields.
std::vector<std::size_t> InsertionOrder(std::span<const std::string_view> fields, std::size_t fieldCount,
                                        const RowOrder* order) {
    const std::size_t records = fields.size() / fieldCount;
    if (order == nullptr || order->column < 0 || static_cast<std::size_t>(order->column) >= fieldCount) {
        std::vector<std::size_t> fileOrder(records);
        std::iota(fileOrder.begin(), fileOrder.end(), std::size_t{0});
        return fileOrder;
    }
    std::vector<std::string_view> sortTexts(records);
    for (std::size_t record = 0; record < records; ++record) {
        sortTexts[record] = fields[record * fieldCount + static_cast<std::size_t>(order->column)];
    }
    return OrderForPeople(sortTexts, order->descending);
}

}  // namespace

int AppendRow(HWND listView, std::span<const std::string_view> fields) {
    return RowAppender(listView).Append(fields);
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
    return static_cast<int>(
        ::SendMessageA(listView, LVM_FINDITEMA, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&find)));
}

int ColumnCount(HWND listView) {
    const auto header = reinterpret_cast<HWND>(::SendMessageA(listView, LVM_GETHEADER, 0, 0));
    const auto count =
        header != nullptr ? static_cast<int>(::SendMessageA(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
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
        const auto length = static_cast<std::size_t>(::SendMessageA(
            listView, LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item)));
        if (length + 1 < buffer.size()) {
            return std::string(buffer.data(), length);
        }
        buffer.resize(buffer.size() * 4);
    }
}

DWORD LoadList(const std::string& fileName, HWND listView, const RowOrder* order, int* firstRecordRow) {
    try {
        std::string contents;
        if (const DWORD error = ReadWholeFile(fileName, contents); error != ERROR_SUCCESS) {
            ReportIfOutOfHandles(error, texts::kErrorLoadingList);
            return error;
        }
        const int columns = ColumnCount(listView);
        if (columns == 0) {
            return ERROR_SUCCESS;
        }
        const auto fieldCount = static_cast<std::size_t>(columns);
        std::vector<std::string_view> fields;  // record after record, views into `contents`
        // Counting first costs a fraction of the split and spares a million-entry list the doubled
        // peak of a growing vector.
        fields.reserve(CountRecords(contents, fieldCount) * fieldCount);
        ForEachRecord(contents, fieldCount, [&](std::span<const std::string_view> record) {
            fields.insert(fields.end(), record.begin(), record.end());
        });
        const std::vector<std::size_t> recordOrder = InsertionOrder(fields, fieldCount, order);

        const RedrawPaused paused(listView);
        const auto rows = static_cast<std::size_t>(::SendMessageA(listView, LVM_GETITEMCOUNT, 0, 0));
        ::SendMessageA(listView, LVM_SETITEMCOUNT, rows + recordOrder.size(), 0);
        RowAppender appender(listView);
        for (const std::size_t record : recordOrder) {
            const int row = appender.Append(std::span(fields).subspan(record * fieldCount, fieldCount));
            if (row < 0) {  // the list view is out of memory: the rows added so far stay
                return ERROR_NOT_ENOUGH_MEMORY;
            }
            if (record == 0 && firstRecordRow != nullptr) {
                *firstRecordRow = row;  // rows are only appended, so its place stays put
            }
        }
        return ERROR_SUCCESS;
    } catch (const std::bad_alloc&) {  // a list too large for this PC: the rows read so far stay
        return ERROR_NOT_ENOUGH_MEMORY;
    }
}

DWORD SaveList(const std::string& fileName, HWND listView) {
    const int columns = ColumnCount(listView);
    if (!::IsWindow(listView) || columns == 0) {
        return ERROR_INVALID_WINDOW_HANDLE;  // no rows to write: never an empty file in place of the list
    }
    std::string contents;
    try {
        const auto rows = static_cast<int>(::SendMessageA(listView, LVM_GETITEMCOUNT, 0, 0));
        std::vector<std::string> fields(static_cast<std::size_t>(columns));
        std::vector<std::string_view> views(fields.size());
        for (int row = 0; row < rows; ++row) {
            for (int column = 0; column < columns; ++column) {
                fields[static_cast<std::size_t>(column)] = RowText(listView, row, column);
                views[static_cast<std::size_t>(column)] = fields[static_cast<std::size_t>(column)];
            }
            AppendRecord(contents, views);
        }
    } catch (const std::bad_alloc&) {  // the file is not touched
        return ERROR_NOT_ENOUGH_MEMORY;
    }
    const DWORD error = ReplaceFileContents(fileName, contents);
    ReportIfOutOfHandles(error, texts::kErrorSavingList);
    return error;
}

DWORD LoadEntries(HWND listView, const std::function<void(const std::string&)>& showStatus,
                  const std::string& dataFile, const RowOrder& order) {
    showStatus(texts::kLoadingData);
    ::SendMessageA(listView, LVM_DELETEALLITEMS, 0, 0);
    int current = -1;
    const DWORD result = LoadList(dataFile, listView, &order, &current);
    if (current >= 0) {
        LVITEMA item{};
        item.stateMask = LVIS_FOCUSED;
        item.state = LVIS_FOCUSED;
        ::SendMessageA(listView, LVM_SETITEMSTATE, static_cast<WPARAM>(current),
                       reinterpret_cast<LPARAM>(&item));
    }
    showStatus(result == ERROR_SUCCESS ? std::string(texts::kDataLoaded)
                                       : texts::kErrorLoadingList + SystemErrorText(result));
    return result;
}

}  // namespace corvane::menu

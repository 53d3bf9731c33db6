#include "tests/win/support/RemoteControls.h"

#include "common/UniqueHandle.h"

#include <commctrl.h>

namespace corvane::test {
namespace {

// Memory inside the process that owns a window, freed when the object goes.
class RemoteBuffer {
  public:
    RemoteBuffer(HWND window, std::size_t size) : size_(size) {
        DWORD processId = 0;
        ::GetWindowThreadProcessId(window, &processId);
        process_.reset(
            ::OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId));
        if (process_) {
            address_ =
                ::VirtualAllocEx(process_.get(), nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
        }
    }
    ~RemoteBuffer() {
        if (address_ != nullptr) {
            ::VirtualFreeEx(process_.get(), address_, 0, MEM_RELEASE);
        }
    }
    RemoteBuffer(const RemoteBuffer&) = delete;
    RemoteBuffer& operator=(const RemoteBuffer&) = delete;

    [[nodiscard]] char* At(std::size_t offset) const { return static_cast<char*>(address_) + offset; }
    void Write(std::size_t offset, const void* data, std::size_t size) const {
        ::WriteProcessMemory(process_.get(), At(offset), data, size, nullptr);
    }
    void Read(std::size_t offset, void* data, std::size_t size) const {
        ::ReadProcessMemory(process_.get(), At(offset), data, size, nullptr);
    }
    [[nodiscard]] bool Valid() const { return address_ != nullptr; }

  private:
    UniqueKernelHandle process_;
    void* address_ = nullptr;
    std::size_t size_;
};

constexpr std::size_t kTextSize = 4096;

// One cell's text through `buffer`, which holds an LVITEMA followed by room for kTextSize bytes.
std::string CellText(const RemoteBuffer& buffer, HWND listView, int row, int column) {
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = buffer.At(sizeof(LVITEMA));
    item.cchTextMax = static_cast<int>(kTextSize);
    buffer.Write(0, &item, sizeof item);
    ::SendMessageA(listView, LVM_GETITEMTEXTA, static_cast<WPARAM>(row),
                   reinterpret_cast<LPARAM>(buffer.At(0)));
    char text[kTextSize] = {};
    buffer.Read(sizeof(LVITEMA), text, sizeof text - 1);
    return text;
}

}  // namespace

std::string ReadListText(HWND listView, int row, int column) {
    const RemoteBuffer buffer(listView, sizeof(LVITEMA) + kTextSize);
    return buffer.Valid() ? CellText(buffer, listView, row, column) : std::string();
}

std::vector<std::vector<std::string>> ReadListRows(HWND listView, int columns) {
    std::vector<std::vector<std::string>> rows;
    const RemoteBuffer buffer(listView, sizeof(LVITEMA) + kTextSize);
    if (!buffer.Valid()) {
        return rows;
    }
    const auto count = static_cast<int>(::SendMessageA(listView, LVM_GETITEMCOUNT, 0, 0));
    for (int row = 0; row < count; ++row) {
        std::vector<std::string> texts;
        for (int column = 0; column < columns; ++column) {
            texts.push_back(CellText(buffer, listView, row, column));
        }
        rows.push_back(std::move(texts));
    }
    return rows;
}

std::string ReadStatusPanel(HWND statusBar, int panel) {
    RemoteBuffer buffer(statusBar, kTextSize);
    if (!buffer.Valid()) {
        return {};
    }
    ::SendMessageA(statusBar, SB_GETTEXTA, static_cast<WPARAM>(panel),
                   reinterpret_cast<LPARAM>(buffer.At(0)));
    char text[kTextSize] = {};
    buffer.Read(0, text, sizeof text - 1);
    return text;
}

RECT ReadRowRect(HWND listView, int row) {
    RemoteBuffer buffer(listView, sizeof(RECT));
    RECT rect{};
    rect.left = LVIR_BOUNDS;
    buffer.Write(0, &rect, sizeof rect);
    ::SendMessageA(listView, LVM_GETITEMRECT, static_cast<WPARAM>(row),
                   reinterpret_cast<LPARAM>(buffer.At(0)));
    buffer.Read(0, &rect, sizeof rect);
    return rect;
}

void SelectListRow(HWND listView, int row) {
    RemoteBuffer buffer(listView, sizeof(LVITEMA));
    LVITEMA item{};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = 0;
    buffer.Write(0, &item, sizeof item);
    ::SendMessageA(listView, LVM_SETITEMSTATE, static_cast<WPARAM>(-1),
                   reinterpret_cast<LPARAM>(buffer.At(0)));
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    buffer.Write(0, &item, sizeof item);
    ::SendMessageA(listView, LVM_SETITEMSTATE, static_cast<WPARAM>(row),
                   reinterpret_cast<LPARAM>(buffer.At(0)));
}

}  // namespace corvane::test

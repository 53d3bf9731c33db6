#include "tests/win/support/TestListView.h"

#include "menu/EntryList.h"

#include <commctrl.h>
#include <gtest/gtest.h>

namespace corvane::test {

TestListView::TestListView() {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES};
    ::InitCommonControlsEx(&controls);
    parent_.reset(::CreateWindowExA(0, "STATIC", "list host", WS_POPUP, 0, 0, 400, 300, nullptr, nullptr,
                                    ::GetModuleHandleA(nullptr), nullptr));
    list_ = ::CreateWindowExA(0, WC_LISTVIEWA, "", WS_CHILD | LVS_REPORT, 0, 0, 400, 300, parent_.get(),
                              nullptr, ::GetModuleHandleA(nullptr), nullptr);
    EXPECT_NE(list_, nullptr);
    const char* headers[] = {"Name", "Target File", "Command Line Switch"};
    for (int i = 0; i < 3; ++i) {
        LVCOLUMNA column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.cx = 100;
        column.pszText = const_cast<char*>(headers[i]);
        ::SendMessageA(list_, LVM_INSERTCOLUMNA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&column));
    }
}

void TestListView::AddRow(const Row& row) {
    const std::vector<std::string_view> fields(row.begin(), row.end());
    menu::AppendRow(list_, fields);
}

void TestListView::AddRows(const std::vector<Row>& rows) {
    ::SendMessageA(list_, WM_SETREDRAW, FALSE, 0);
    ::SendMessageA(list_, LVM_SETITEMCOUNT, rows.size(), 0);
    for (const auto& row : rows) {
        AddRow(row);
    }
    ::SendMessageA(list_, WM_SETREDRAW, TRUE, 0);
}

std::vector<Row> TestListView::Rows() const {
    std::vector<Row> rows;
    const auto count = static_cast<int>(::SendMessageA(list_, LVM_GETITEMCOUNT, 0, 0));
    for (int row = 0; row < count; ++row) {
        rows.push_back(
            {menu::RowText(list_, row, 0), menu::RowText(list_, row, 1), menu::RowText(list_, row, 2)});
    }
    return rows;
}

void TestListView::AcceptOnly(int rows) {
    accepted_ = rows;
    ::SetWindowSubclass(list_, &TestListView::Refusing, 1, reinterpret_cast<DWORD_PTR>(this));
}

LRESULT CALLBACK TestListView::Refusing(HWND list, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                        DWORD_PTR self) {
    if (message == LVM_INSERTITEMA || message == LVM_INSERTITEMW) {
        int& accepted = reinterpret_cast<TestListView*>(self)->accepted_;
        if (accepted <= 0) {
            return -1;
        }
        --accepted;
    }
    return ::DefSubclassProc(list, message, wParam, lParam);
}

}  // namespace corvane::test

// A real list view in report view with the menu's three columns, in a hidden window, for tests.
#pragma once

#include "common/UniqueHandle.h"

#include <windows.h>

#include <string>
#include <vector>

namespace corvane::test {

using Row = std::vector<std::string>;

class TestListView {
  public:
    TestListView();
    TestListView(const TestListView&) = delete;  // the refusal below keeps this object's address
    TestListView& operator=(const TestListView&) = delete;
    [[nodiscard]] HWND Handle() const noexcept { return list_; }
    void AddRow(const Row& row);
    void AddRows(const std::vector<Row>& rows);  // quickly, without redrawing in between
    [[nodiscard]] std::vector<Row> Rows() const;

    // From now on the list view takes only `rows` more new rows and refuses the rest, as a list view
    // that has run out of memory does.
    void AcceptOnly(int rows);

  private:
    static LRESULT CALLBACK Refusing(HWND list, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                     DWORD_PTR self);

    UniqueWindow parent_;
    HWND list_ = nullptr;
    int accepted_ = 0;
};

}  // namespace corvane::test

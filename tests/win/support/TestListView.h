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
    [[nodiscard]] HWND Handle() const noexcept { return list_; }
    void AddRow(const Row& row);
    void AddRows(const std::vector<Row>& rows);  // quickly, without redrawing in between
    [[nodiscard]] std::vector<Row> Rows() const;

private:
    UniqueWindow parent_;
    HWND list_ = nullptr;
};

}  // namespace corvane::test

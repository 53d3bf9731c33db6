#include "common/MessageLoop.h"

#include "common/BaseWindow.h"
#include "common/UniqueHandle.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

constexpr int kDeleteCommand = 42;

class CommandCounter : public BaseWindow<CommandCounter> {
  public:
    bool Create() { return CreateWindowObject(0, "counter", WS_POPUP, 0, 0, 100, 100); }
    static const char* ClassName() { return "CorvaneTestCommandCounter"; }
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_COMMAND && LOWORD(wParam) == kDeleteCommand) {
            ++commands;
            return 0;
        }
        return DefaultHandling(message, wParam, lParam);
    }
    int commands = 0;
};

// The menu's Delete key deletes an entry only when the menu window has the keyboard: typed in
// another window's text box it must stay a key of that box.
TEST(MessageLoop, AcceleratorsWorkOnlyInTheirWindowAndItsChildren) {
    CommandCounter menu;
    ASSERT_TRUE(menu.Create());
    const HWND menuChild = ::CreateWindowExA(0, "EDIT", "", WS_CHILD, 0, 0, 50, 20, menu.Hwnd(), nullptr,
                                             ::GetModuleHandleA(nullptr), nullptr);
    const UniqueWindow editor(::CreateWindowExA(0, "STATIC", "editor", WS_POPUP, 0, 0, 100, 100, nullptr,
                                                nullptr, ::GetModuleHandleA(nullptr), nullptr));
    const HWND editorBox = ::CreateWindowExA(0, "EDIT", "text", WS_CHILD, 0, 0, 50, 20, editor.get(), nullptr,
                                             ::GetModuleHandleA(nullptr), nullptr);
    ACCEL deleteKey{FVIRTKEY, VK_DELETE, kDeleteCommand};
    const HACCEL accelerators = ::CreateAcceleratorTableA(&deleteKey, 1);

    ::PostMessageA(editorBox, WM_KEYDOWN, VK_DELETE, 1);
    ::PostMessageA(editor.get(), WM_KEYDOWN, VK_DELETE, 1);
    ::PostMessageA(menuChild, WM_KEYDOWN, VK_DELETE, 1);
    ::PostMessageA(menu.Hwnd(), WM_KEYDOWN, VK_DELETE, 1);
    ::PostQuitMessage(0);
    RunMessageLoop(accelerators, menu.Hwnd());
    ::DestroyAcceleratorTable(accelerators);

    EXPECT_EQ(menu.commands, 2) << "the menu window's own and its child's key, not the editor's";
}

}  // namespace
}  // namespace corvane

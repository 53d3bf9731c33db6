#include "common/BaseWindow.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace corvane {
namespace {

// A window whose handler of one creation message fails the way a real one might.
class FailingWindow : public BaseWindow<FailingWindow> {
  public:
    explicit FailingWindow(UINT failingMessage) : failingMessage_(failingMessage) {}
    bool Create() { return CreateWindowObject(0, "failing", WS_POPUP, 0, 0, 100, 100); }
    static const char* ClassName() { return "CorvaneTestFailingWindow"; }
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == failingMessage_) {
            throw std::runtime_error("no resources");
        }
        return DefaultHandling(message, wParam, lParam);
    }
    int destroyed = 0;

  private:
    void OnWindowDestroyed() noexcept override { ++destroyed; }
    UINT failingMessage_;
};

// A window whose creation handler throws is not created at all, instead of coming up half-built;
// the object holds no handle of it.
TEST(BaseWindow, CreationHandlerThatThrowsFailsTheCreation) {
    for (const UINT message : {UINT{WM_NCCREATE}, UINT{WM_CREATE}}) {
        FailingWindow window(message);
        EXPECT_FALSE(window.Create()) << message;
        EXPECT_FALSE(window.IsOpen()) << message;
        EXPECT_EQ(window.Hwnd(), nullptr) << message;
        EXPECT_EQ(::FindWindowA(FailingWindow::ClassName(), nullptr), nullptr) << message;
        if (message == WM_CREATE) {
            EXPECT_EQ(window.destroyed, 1) << "a window that got as far as WM_CREATE is destroyed";
        }
    }
}

// A window shown on request, owned by the base's hidden owner.
class OwnedWindow : public BaseWindow<OwnedWindow> {
  public:
    bool Create() { return CreateWindowObject(0, "owned", WS_POPUP, 0, 0, 100, 100, HiddenOwner()); }
    static const char* ClassName() { return "CorvaneTestOwnedWindow"; }
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
        return DefaultHandling(message, wParam, lParam);
    }
    int destroyed = 0;

  private:
    void OnWindowDestroyed() noexcept override { ++destroyed; }
};

// Destroy() closes an open window once and is harmless otherwise; the window can be created again
// under the same hidden owner, which never shows and goes with the object, after the window it owns.
TEST(BaseWindow, DestroyClosesTheWindowAndTheHiddenOwnerOutlivesItsWindow) {
    HWND owner = nullptr;
    HWND window = nullptr;
    {
        OwnedWindow owned;
        owned.Destroy();  // never created: nothing happens
        EXPECT_EQ(owned.destroyed, 0);

        ASSERT_TRUE(owned.Create());
        window = owned.Hwnd();
        owner = ::GetWindow(window, GW_OWNER);
        ASSERT_NE(owner, nullptr);
        EXPECT_FALSE(::IsWindowVisible(owner));
        owned.Destroy();
        EXPECT_FALSE(owned.IsOpen());
        EXPECT_FALSE(::IsWindow(window));
        EXPECT_EQ(owned.destroyed, 1);
        owned.Destroy();
        EXPECT_EQ(owned.destroyed, 1);

        ASSERT_TRUE(owned.Create());
        EXPECT_EQ(::GetWindow(owned.Hwnd(), GW_OWNER), owner) << "one owner for the object's life";
        window = owned.Hwnd();
    }
    EXPECT_FALSE(::IsWindow(window));
    EXPECT_FALSE(::IsWindow(owner));
}

}  // namespace
}  // namespace corvane

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

}  // namespace
}  // namespace corvane

#include "common/UniqueHandle.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

// The guard puts back what the DC held, so that the DC never outlives its hold on an object that is
// deleted first; nested guards unwind in order.
TEST(SelectedObject, PutsTheDcsPreviousObjectBackWhenTheScopeEnds) {
    const UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
    ASSERT_TRUE(dc);
    const HGDIOBJ original = ::GetCurrentObject(dc.get(), OBJ_FONT);
    const UniqueFont first(
        ::CreateFontA(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0, 0, 0, "Tahoma"));
    const UniqueFont second(
        ::CreateFontA(-20, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0, 0, 0, "Tahoma"));
    ASSERT_TRUE(first && second);
    {
        const SelectedObject withFirst(dc.get(), first.get());
        EXPECT_EQ(::GetCurrentObject(dc.get(), OBJ_FONT), first.get());
        {
            const SelectedObject withSecond(dc.get(), second.get());
            EXPECT_EQ(::GetCurrentObject(dc.get(), OBJ_FONT), second.get());
        }
        EXPECT_EQ(::GetCurrentObject(dc.get(), OBJ_FONT), first.get());
    }
    EXPECT_EQ(::GetCurrentObject(dc.get(), OBJ_FONT), original);
}

}  // namespace
}  // namespace corvane

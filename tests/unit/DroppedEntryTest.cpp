#include "menu/core/DroppedEntry.h"

#include <gtest/gtest.h>

namespace corvane::menu {
namespace {

TEST(DroppedEntry, ProposesTheEditorsNamesForEachKindOfItem) {
    struct Case {
        DroppedItem item;
        ProposedEntry expected;
    };
    const Case cases[] = {
        {{"E:\\Apps\\Tool.exe", DroppedKind::File, "", ""}, {"Tool", "E:\\Apps\\Tool.exe", ""}},
        {{"F:\\archive.tar.gz", DroppedKind::File, "", ""}, {"archive.tar", "F:\\archive.tar.gz", ""}},
        {{"E:\\home\\.profile", DroppedKind::File, "", ""}, {".profile", "E:\\home\\.profile", ""}},
        {{"E:\\README", DroppedKind::File, "", ""}, {"README", "E:\\README", ""}},
        {{"E:\\Music.old", DroppedKind::Folder, "", ""}, {"Music.old", "E:\\Music.old", ""}},
        {{"E:\\Music\\", DroppedKind::Folder, "", ""}, {"Music", "E:\\Music\\", ""}},
        {{"E:\\", DroppedKind::Folder, "", ""}, {"E:\\", "E:\\", ""}},
        {{"\\\\server\\share", DroppedKind::Folder, "", ""}, {"share", "\\\\server\\share", ""}},
        {{"E:\\Links\\My Editor.lnk", DroppedKind::Shortcut, "F:\\Tools\\edit.exe", "/n \"%1\""},
         {"My Editor", "F:\\Tools\\edit.exe", "/n \"%1\""}},
        {{"E:\\Links\\Odd.lnk", DroppedKind::Shortcut, "F:\\a\rb.exe", "/x\r\n/y"},
         {"Odd", "F:\\a b.exe", "/x  /y"}},
    };
    for (const Case& c : cases) {
        const ProposedEntry entry = ProposeEntry(c.item);
        EXPECT_EQ(entry.name, c.expected.name) << c.item.path;
        EXPECT_EQ(entry.path, c.expected.path) << c.item.path;
        EXPECT_EQ(entry.switches, c.expected.switches) << c.item.path;
    }
}

TEST(DroppedEntry, ShortcutsAreKnownByTheirExtensionInAnyCase) {
    EXPECT_TRUE(IsShortcutName("E:\\a.lnk"));
    EXPECT_TRUE(IsShortcutName("E:\\A.LNK"));
    EXPECT_FALSE(IsShortcutName("E:\\a.lnk.txt"));
    EXPECT_FALSE(IsShortcutName("lnk"));
    EXPECT_FALSE(IsShortcutName(""));
}

}  // namespace
}  // namespace corvane::menu

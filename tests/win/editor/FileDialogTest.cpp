#include "menu/cFileDialog.h"

#include "tests/win/support/DialogAnswerer.h"
#include "tests/win/support/TestDrive.h"

#include <gtest/gtest.h>

namespace corvane::menu {
namespace {

using namespace corvane::test;

TEST(FileDialog, NewObjectHasTheShortRecordAndDefaults) {
    cFileDialog dialog;
    EXPECT_EQ(dialog.Record().lStructSize, static_cast<DWORD>(OPENFILENAME_SIZE_VERSION_400W));
    EXPECT_EQ(dialog.FilterIndex(), 1u);
    EXPECT_EQ(dialog.hwnd(), nullptr);
    EXPECT_EQ(dialog.DialogTitle(), "");
    EXPECT_EQ(dialog.Record().lpstrInitialDir, nullptr);
    EXPECT_FALSE(dialog.CancelError());
    dialog.Filter("Programs|*.exe|All Files (*.*)|*.*|");
    EXPECT_EQ(dialog.Filter(), "Programs|*.exe|All Files (*.*)|*.*|");
    EXPECT_EQ(std::wstring(dialog.Record().lpstrFilter, 37),
              std::wstring(L"Programs\0*.exe\0All Files (*.*)\0*.*\0\0\0", 37));
}

TEST(FileDialog, TooLongAFilenameIsRejectedAndOneOfExactlyTheBufferSizeShown) {
    cFileDialog dialog;
    try {
        dialog.Filename(std::string(1025, 'x'));
        FAIL() << "accepted";
    } catch (const FileDialogError& error) {
        EXPECT_EQ(error.number, kInvalidArgumentError);
    }
    dialog.DialogTitle("Pick one");
    dialog.Filename(std::string(1024, 'x'));
    {
        DialogAnswerer cancel("Pick one", DialogAnswerer::Press(IDCANCEL));
        EXPECT_NO_THROW(dialog.ShowOpen());
        EXPECT_TRUE(cancel.Result().appeared);
    }
    dialog.Filename("");
    dialog.FileTitle(std::string(1025, 't'));
    EXPECT_THROW(dialog.ShowOpen(), FileDialogError);
}

TEST(FileDialog, CancelRaisesAnErrorOnlyWhenAskedTo) {
    EmptyDrive(kStickRoot);
    cFileDialog dialog;
    dialog.DialogTitle("Pick one");
    dialog.Filename("kept.txt");
    {
        DialogAnswerer cancel("Pick one", DialogAnswerer::Press(IDCANCEL));
        EXPECT_NO_THROW(dialog.ShowOpen());
        EXPECT_TRUE(cancel.Result().appeared);
        EXPECT_EQ(dialog.Filename(), "kept.txt");
    }
    dialog.CancelError(true);
    {
        DialogAnswerer cancel("Pick one", DialogAnswerer::Press(IDCANCEL));
        try {
            dialog.ShowOpen();
            FAIL() << "no error";
        } catch (const FileDialogError& error) {
            EXPECT_EQ(error.number, 32755);
            EXPECT_EQ(error.source, "corvane_editor_tests.cFileDialog");
            EXPECT_EQ(error.description, "User selected cancel.");
        }
        EXPECT_TRUE(cancel.Result().appeared);
    }
    DialogAnswerer cancelSave("Pick one", DialogAnswerer::Press(IDCANCEL));
    try {
        dialog.ShowSave();
        FAIL() << "no error";
    } catch (const FileDialogError& error) {
        EXPECT_EQ(error.source, "corvane_editor_tests.cFilenDialog");
    }
    EXPECT_TRUE(cancelSave.Result().appeared);
}

TEST(FileDialog, ChosenFileAndTitleComeBack) {
    EmptyDrive(kStickRoot);
    WriteTestFile("E:\\chosen.txt", "x");
    cFileDialog dialog;
    dialog.DialogTitle("Pick one");
    dialog.flags(OFN_FILEMUSTEXIST);
    dialog.Filter("Text (*.txt)|*.txt|All Files (*.*)|*.*|");
    dialog.FilterIndex(2);
    DialogAnswerer choose("Pick one", [](HWND window) {
        ::SendMessageA(::GetDlgItem(window, 0x47c), WM_SETTEXT, 0,
                       reinterpret_cast<LPARAM>("E:\\chosen.txt"));
        ::SendMessageA(::GetDlgItem(window, IDOK), BM_CLICK, 0, 0);
    });
    dialog.ShowOpen();
    EXPECT_TRUE(choose.Result().appeared);
    EXPECT_EQ(dialog.Filename(), "E:\\chosen.txt");
    EXPECT_EQ(dialog.FileTitle(), "chosen.txt");
    EXPECT_EQ(dialog.FilterIndex(), 2u);
    EmptyDrive(kStickRoot);
}

}  // namespace
}  // namespace corvane::menu

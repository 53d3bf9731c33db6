#include "menu/core/TargetKind.h"

#include <gtest/gtest.h>

namespace corvane::menu {
namespace {

struct KindCase {
    const wchar_t* path;
    TargetPlace place;
    IconSource iconSource;
    const wchar_t* typeExtension;
};

// Where a path leads decides whether it may be touched at all: only a drive letter's path is ever
// looked at, and never one whose last name Windows would open as a device.
TEST(TargetKind, PlaceAndIconSourceComeFromThePathAlone) {
    using enum TargetPlace;
    using enum IconSource;
    const KindCase cases[] = {
        {L"E:\\Apps\\Tool.EXE", DriveLetter, ProgramResources, L".exe"},
        {L"e:/apps/readme.TXT", DriveLetter, FileType, L".txt"},
        {L"E:\\icons\\app.ico", DriveLetter, IconFile, L".ico"},
        {L"E:\\archive.tar.gz", DriveLetter, FileType, L".gz"},
        {L"E:\\dir.d\\README", DriveLetter, FileType, L""},
        {L"E:Tool.exe", DriveLetter, ProgramResources, L".exe"},
        {L"E:\\Apps\\", DriveLetter, FileType, L""},
        {L"E:\\", DriveLetter, FileType, L""},
        {L"E:", DriveLetter, FileType, L""},
        {L"\\\\server\\share\\Tool.exe", Network, ProgramResources, L".exe"},
        {L"//server/share/notes.txt", Network, FileType, L".txt"},
        {L"\\\\?\\E:\\Tool.exe", Network, ProgramResources, L".exe"},
        {L"\\\\.\\PhysicalDrive0", Network, FileType, L""},
        {L"E:\\Apps\\nul.txt", Device, FileType, L".txt"},
        {L"E:\\com1", Device, FileType, L""},
        {L"E:\\LPT9.log", Device, FileType, L".log"},
        {L"E:\\aux  .txt", Device, FileType, L".txt"},
        {L"E:\\CONOUT$", Device, FileType, L""},
        {L"E:\\COM\u00B9", Device, FileType, L""},
        {L"E:\\con\\x.txt", DriveLetter, FileType, L".txt"},
        {L"E:\\COM10.txt", DriveLetter, FileType, L".txt"},
        {L"E:\\console.exe", DriveLetter, ProgramResources, L".exe"},
        {L"Apps\\Tool.exe", Unrooted, ProgramResources, L".exe"},
        {L"\\Apps\\Tool.exe", Unrooted, ProgramResources, L".exe"},
        {L"", Unrooted, FileType, L""},
    };
    for (const KindCase& c : cases) {
        const TargetKind kind = ClassifyTarget(c.path);
        EXPECT_EQ(kind.place, c.place) << testing::PrintToString(std::wstring(c.path));
        EXPECT_EQ(kind.iconSource, c.iconSource) << testing::PrintToString(std::wstring(c.path));
        EXPECT_EQ(kind.typeExtension, c.typeExtension) << testing::PrintToString(std::wstring(c.path));
        EXPECT_EQ(kind.drive, c.place == DriveLetter ? L'E' : L'\0')
            << testing::PrintToString(std::wstring(c.path));
    }
}

// The extension goes to the shell, which takes ".{clsid}" for a shell object: only plain ones pass.
TEST(TargetKind, OnlyPlainExtensionsAreHandedToTheShell) {
    for (const wchar_t* path : {L"E:\\x.{645FF040-5081-101B-9F08-00AA002F954E}", L"E:\\x.", L"E:\\x.t t",
                                L"E:\\x.abcdefghijklmnopq", L"E:\\a.txt:stream", L"E:\\x.t\u00E4t"}) {
        EXPECT_EQ(ClassifyTarget(path).typeExtension, L"") << testing::PrintToString(std::wstring(path));
    }
    EXPECT_EQ(ClassifyTarget(L"E:\\x.abcdefghijklmnop").typeExtension, L".abcdefghijklmnop");
    EXPECT_EQ(ClassifyTarget(L"E:\\x.my_ext-2").typeExtension, L".my_ext-2");
}

}  // namespace
}  // namespace corvane::menu

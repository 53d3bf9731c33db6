#include "common/core/PathText.h"
#include "start/core/ComponentRules.h"
#include "start/core/StartFiles.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace corvane::start {
namespace {

TEST(StartFiles, FilesOfAStickStartedFromItsRoot) {
    const StartFiles files = PlanStartFiles(FolderOf("E:\\Kindel.exe"), "C:\\WINDOWS\\system32");
    EXPECT_EQ(files.componentFile, "C:\\WINDOWS\\system32\\mscomctl.ocx");
    EXPECT_EQ(files.componentSource, "E:\\Support\\mscomctl.ocx");
    EXPECT_EQ(files.menuFile, "E:\\Menu.exe");
    EXPECT_EQ(files.registrar, "C:\\WINDOWS\\system32\\regsvr32.exe");
    EXPECT_EQ(files.registrationCommandLine, "regsvr32 /s \"C:\\WINDOWS\\system32\\mscomctl.ocx\"");
}

TEST(StartFiles, FoldersBelowARootAndOnAShare) {
    EXPECT_EQ(FolderOf("E:\\Menus\\Kindel.exe"), "E:\\Menus");
    EXPECT_EQ(FolderOf("\\\\server\\share\\Kindel.exe"), "\\\\server\\share");
    EXPECT_EQ(FolderOf("Kindel.exe"), "");
    const StartFiles files = PlanStartFiles("\\\\server\\share\\Menus\\", "C:\\Windows\\System32\\");
    EXPECT_EQ(files.menuFile, "\\\\server\\share\\Menus\\Menu.exe");
    EXPECT_EQ(files.componentSource, "\\\\server\\share\\Menus\\Support\\mscomctl.ocx");
    EXPECT_EQ(files.componentFile, "C:\\Windows\\System32\\mscomctl.ocx");
}

TEST(StartFiles, SystemFolderIsTheTextBeforeTheFirstNul) {
    const std::string buffer("C:\\windows\\system32\0\0garbage", 28);
    EXPECT_EQ(SystemFolderFromBuffer(buffer), "C:\\windows\\system32");
    EXPECT_EQ(SystemFolderFromBuffer(std::string(260, '\0')), "");
    EXPECT_EQ(SystemFolderFromBuffer("C:\\"), "C:");
}

TEST(StartFiles, UnknownSystemFolderUsesTheCurrentDriveRootAndNoRegistrar) {
    const StartFiles files = PlanStartFiles("E:", "");
    EXPECT_EQ(files.componentFile, "\\mscomctl.ocx");
    EXPECT_EQ(files.registrationCommandLine, "regsvr32 /s \"\\mscomctl.ocx\"");
    // A bare "regsvr32" would be searched for beside the program, on the drive.
    EXPECT_EQ(files.registrar, "");
    EXPECT_EQ(files.menuFile, "E:\\Menu.exe");
}

// The headers of a program image: an MZ header whose field at 0x3c leads to "PE\0\0" and the COFF
// header (machine, characteristics).
std::vector<unsigned char> ImageHeaders(std::uint16_t machine, std::uint16_t characteristics,
                                        std::uint32_t peOffset = 0x80) {
    std::vector<unsigned char> bytes(peOffset + 24, 0);
    bytes[0] = 'M';
    bytes[1] = 'Z';
    for (std::size_t i = 0; i < 4; ++i) {
        bytes[0x3c + i] = static_cast<unsigned char>(peOffset >> (8 * i));
    }
    bytes[peOffset] = 'P';
    bytes[peOffset + 1] = 'E';
    bytes[peOffset + 4] = static_cast<unsigned char>(machine);
    bytes[peOffset + 5] = static_cast<unsigned char>(machine >> 8);
    bytes[peOffset + 22] = static_cast<unsigned char>(characteristics);
    bytes[peOffset + 23] = static_cast<unsigned char>(characteristics >> 8);
    return bytes;
}

TEST(ComponentRules, ProgramImageHeaders) {
    constexpr std::uint16_t kDll = 0x2000 | 0x0002;
    constexpr std::uint16_t kExe = 0x0002;
    const PeImage dll32 = ReadPeImage(ImageHeaders(kMachineI386, kDll));
    EXPECT_TRUE(dll32.valid && dll32.dll);
    EXPECT_EQ(dll32.machine, kMachineI386);
    const PeImage dll64 = ReadPeImage(ImageHeaders(kMachineAmd64, kDll));
    EXPECT_TRUE(dll64.valid && dll64.dll);
    EXPECT_EQ(dll64.machine, kMachineAmd64);
    const PeImage exe = ReadPeImage(ImageHeaders(kMachineI386, kExe));
    EXPECT_TRUE(exe.valid);
    EXPECT_FALSE(exe.dll);

    auto noMz = ImageHeaders(kMachineI386, kDll);
    noMz[0] = 'X';
    auto noPe = ImageHeaders(kMachineI386, kDll);
    noPe[0x81] = 'X';
    auto cut = ImageHeaders(kMachineI386, kDll);
    cut.resize(cut.size() - 1);  // the COFF header's last byte is missing
    auto wrapping = ImageHeaders(kMachineI386, kDll);
    wrapping[0x3c] = wrapping[0x3d] = wrapping[0x3e] = wrapping[0x3f] = 0xff;
    for (const auto& bytes : {noMz, noPe, cut, wrapping, std::vector<unsigned char>(0x3f, 0)}) {
        EXPECT_FALSE(ReadPeImage(bytes).valid);
    }
}

TEST(ComponentRules, OnlyASignedDllOfThePublisherForThisMachineIsInstalled) {
    ComponentFacts good;
    good.regularFile = true;
    good.image = {true, kMachineI386, true};
    good.signatureValid = true;
    good.chainTrusted = true;
    good.signerOrganisation = "Microsoft Corporation";
    EXPECT_EQ(JudgeComponent(good, kMachineI386), ComponentVerdict::Install);

    struct Case {
        const char* what;
        void (*spoil)(ComponentFacts&);
        ComponentVerdict verdict;
    };
    const Case cases[] = {
        {"folder or reparse point", [](ComponentFacts& f) { f.regularFile = false; },
         ComponentVerdict::NotARegularFile},
        {"not a program image", [](ComponentFacts& f) { f.image.valid = false; }, ComponentVerdict::NotADll},
        {"a program, not a DLL", [](ComponentFacts& f) { f.image.dll = false; }, ComponentVerdict::NotADll},
        {"other machine", [](ComponentFacts& f) { f.image.machine = kMachineAmd64; },
         ComponentVerdict::WrongMachine},
        {"bad or no signature", [](ComponentFacts& f) { f.signatureValid = false; },
         ComponentVerdict::NoValidSignature},
        {"untrusted root", [](ComponentFacts& f) { f.chainTrusted = false; },
         ComponentVerdict::UntrustedChain},
        {"another publisher", [](ComponentFacts& f) { f.signerOrganisation = "Someone Else"; },
         ComponentVerdict::OtherPublisher},
        {"publisher's name in other case",
         [](ComponentFacts& f) { f.signerOrganisation = "microsoft corporation"; },
         ComponentVerdict::OtherPublisher},
        {"no organisation", [](ComponentFacts& f) { f.signerOrganisation.clear(); },
         ComponentVerdict::OtherPublisher},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ComponentFacts facts = good;
        c.spoil(facts);
        EXPECT_EQ(JudgeComponent(facts, kMachineI386), c.verdict);
    }
}

}  // namespace
}  // namespace corvane::start

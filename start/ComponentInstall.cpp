#include "start/ComponentInstall.h"

#include "common/MyMod.h"
#include "common/TextEncoding.h"
#include "common/UniqueHandle.h"
#include "start/ComponentSignature.h"

#include <windows.h>

#include <array>
#include <span>

namespace corvane::start {
namespace {

// Enough for the DOS stub and the PE header of any linker's output.
constexpr DWORD kHeaderBytes = 4096;

bool IsRegularFile(const std::string& path) {
    const DWORD attributes = ::GetFileAttributesW(WideFromUtf8(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES &&
           (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) == 0;
}

PeImage ReadImageHeaders(const std::string& path) {
    const UniqueFile file(::CreateFileW(WideFromUtf8(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    std::array<unsigned char, kHeaderBytes> headers{};
    DWORD read = 0;
    if (!file || !::ReadFile(file.get(), headers.data(), kHeaderBytes, &read, nullptr)) {
        return {};
    }
    return ReadPeImage(std::span<const unsigned char>(headers.data(), read));
}

// A file this run created in the system folder, deleted again unless it was put in place.
class TemporaryFile {
  public:
    explicit TemporaryFile(const std::string& folder) {
        // The call's contract: the name fits MAX_PATH (the folder is the system folder).
        wchar_t path[MAX_PATH] = {};
        if (::GetTempFileNameW(WideFromUtf8(folder).c_str(), L"cvn", 0, path) != 0) {
            path_ = Utf8FromWide(path);
        }
    }
    ~TemporaryFile() {
        if (!path_.empty()) {
            const std::wstring path = WideFromUtf8(path_);
            ::SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            ::DeleteFileW(path.c_str());
        }
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    [[nodiscard]] const std::string& Path() const noexcept { return path_; }
    void Keep() noexcept { path_.clear(); }

  private:
    std::string path_;
};

}  // namespace

ComponentPlace ProbeComponentFile(const std::string& componentFile) {
    switch (MyMod::FindFile(componentFile).result) {
        case MyMod::SearchResult::Found:
            return ComponentPlace::Present;
        case MyMod::SearchResult::Failed:
            return ComponentPlace::Blocked;
        case MyMod::SearchResult::NotFound:
            break;
    }
    // A folder does not count as the component, but nor may it be replaced.
    return MyMod::FolderExists(componentFile) ? ComponentPlace::Blocked : ComponentPlace::Absent;
}

ComponentFacts GatherComponentFacts(const std::string& path) {
    ComponentFacts facts;
    facts.regularFile = IsRegularFile(path);
    if (!facts.regularFile) {
        return facts;
    }
    facts.image = ReadImageHeaders(path);
    const SignatureFacts signature = CheckSignature(path);
    facts.signatureValid = signature.signatureValid;
    facts.chainTrusted = signature.chainTrusted;
    facts.signerOrganisation = signature.signerOrganisation;
    return facts;
}

std::uint16_t OwnMachine() noexcept {
    // The headers of this program as Windows mapped them.
    const auto* image = reinterpret_cast<const unsigned char*>(::GetModuleHandleW(nullptr));
    return ReadPeImage(std::span<const unsigned char>(image, kHeaderBytes)).machine;
}

InstallOutcome InstallComponent(const std::string& source, const std::string& destination,
                                const std::string& systemFolder) {
    // Folders and links on the stick are refused before anything is copied.
    if (!IsRegularFile(source)) {
        return InstallOutcome::Refused;
    }
    TemporaryFile copy(systemFolder);
    if (copy.Path().empty() ||
        !::CopyFileW(WideFromUtf8(source).c_str(), WideFromUtf8(copy.Path()).c_str(), FALSE)) {
        return InstallOutcome::NotCopied;
    }
    // The stick's attributes (read-only, hidden) do not travel into the system folder.
    ::SetFileAttributesW(WideFromUtf8(copy.Path()).c_str(), FILE_ATTRIBUTE_NORMAL);
    if (JudgeComponent(GatherComponentFacts(copy.Path()), OwnMachine()) != ComponentVerdict::Install) {
        return InstallOutcome::Refused;
    }
    // Without MOVEFILE_REPLACE_EXISTING: a component that appeared since the probe stays.
    if (!::MoveFileExW(WideFromUtf8(copy.Path()).c_str(), WideFromUtf8(destination).c_str(),
                       MOVEFILE_WRITE_THROUGH)) {
        return InstallOutcome::NotPlaced;
    }
    copy.Keep();
    return InstallOutcome::Installed;
}

}  // namespace corvane::start

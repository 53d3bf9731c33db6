#include "menu/ProgramSearch.h"

#include "common/TextEncoding.h"
#include "common/UniqueHandle.h"
#include "menu/core/EntryTarget.h"

#include <windows.h>

#include <optional>
#include <utility>

namespace corvane::menu {
namespace {

// appinfo.ini is a few hundred bytes; a stick's file is not trusted to be small.
constexpr DWORD kLargestAppInfo = 64 * 1024;
constexpr std::uint64_t kFoldersPerReport = 256;

bool IsFile(const std::wstring& path) {
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

// The text of the layout's appinfo.ini as UTF-8: UTF-16 after its mark, UTF-8 after its mark or
// when it is valid UTF-8, else the ANSI code page. Nothing for a missing, linked or oversized file.
std::optional<std::string> ReadAppInfoText(const std::wstring& path) {
    const UniqueFile file(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                        nullptr, OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    BY_HANDLE_FILE_INFORMATION facts{};
    if (!file || !::GetFileInformationByHandle(file.get(), &facts) ||
        (facts.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0 || facts.nFileSizeHigh != 0 ||
        facts.nFileSizeLow > kLargestAppInfo) {
        return std::nullopt;
    }
    std::string bytes(facts.nFileSizeLow, '\0');
    DWORD read = 0;
    if (!::ReadFile(file.get(), bytes.data(), facts.nFileSizeLow, &read, nullptr)) {
        return std::nullopt;
    }
    bytes.resize(read);
    if (bytes.starts_with("\xFF\xFE")) {
        std::wstring wide((bytes.size() - 2) / 2, L'\0');
        bytes.copy(reinterpret_cast<char*>(wide.data()), wide.size() * 2, 2);
        return Utf8FromWide(wide);
    }
    if (bytes.starts_with("\xEF\xBB\xBF")) {
        return bytes.substr(3);
    }
    const bool validUtf8 = ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, bytes.data(),
                                                 static_cast<int>(bytes.size()), nullptr, 0) > 0;
    return validUtf8 || bytes.empty() ? bytes : Utf8FromAnsi(bytes);
}

class Walk {
  public:
    explicit Walk(const ProgramSearchRequest& request)
        : request_(request), menuFolder_(WideFromUtf8(request.menuFolder)) {}

    std::vector<OfferedProgram> Run() {
        pending_.push_back(WideFromUtf8(request_.root));
        while (!pending_.empty() && !Cancelled()) {
            const std::wstring folder = std::move(pending_.back());
            pending_.pop_back();
            Search(folder);
            if (++counts_.folders % kFoldersPerReport == 0) {
                Report();
            }
        }
        Report();
        return std::move(offered_);
    }

  private:
    struct Listing {
        std::vector<std::pair<std::wstring, FolderFacts>> folders;  // facts' name is filled in later
        std::vector<std::wstring> programs;
        bool hasAppFolder = false;
    };

    [[nodiscard]] bool Cancelled() const noexcept {
        return request_.cancel != nullptr && request_.cancel->load(std::memory_order_relaxed);
    }

    void Report() const {
        if (request_.progress) {
            request_.progress(counts_);
        }
    }

    // Lists the folder, then offers its programs and queues the folders the rules let the walk
    // enter: whether the folder has the portable layout is known only once all of it is listed.
    void Search(const std::wstring& folder) {
        const bool inMenuFolder = _wcsicmp(folder.c_str(), menuFolder_.c_str()) == 0;
        Listing listing = List(folder, inMenuFolder);
        const bool portable = listing.hasAppFolder && IsFile(folder + WideFromUtf8(kPortableInfoFile));
        const FolderPlace childPlace =
            inMenuFolder ? FolderPlace::InMenuFolder
                         : (portable ? FolderPlace::InPortableFolder : FolderPlace::Elsewhere);
        for (auto& [name, facts] : listing.folders) {
            const std::string utf8Name = Utf8FromWide(name);
            facts.name = utf8Name;
            if (SearchEnters(facts, childPlace)) {
                pending_.push_back(folder + name + L'\\');
            }
        }
        if (!listing.programs.empty()) {
            Offer(folder, listing.programs, portable);
        }
    }

    Listing List(const std::wstring& folder, bool inMenuFolder) {
        Listing listing;
        WIN32_FIND_DATAW found{};
        const UniqueFind find(::FindFirstFileExW((folder + L'*').c_str(), FindExInfoBasic, &found,
                                                 FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH));
        if (!find) {
            return listing;  // unreadable folders are passed over; the rest of the drive is still searched
        }
        do {
            const DWORD attributes = found.dwFileAttributes;
            if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
                listing.hasAppFolder = listing.hasAppFolder || _wcsicmp(found.cFileName, L"App") == 0;
                listing.folders.push_back({found.cFileName,
                                           {{},
                                            (attributes & FILE_ATTRIBUTE_HIDDEN) != 0,
                                            (attributes & FILE_ATTRIBUTE_SYSTEM) != 0,
                                            (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0}});
                continue;
            }
            ++counts_.files;
            // Only names ending in .exe are worth converting for the full rule.
            const std::size_t length = ::wcslen(found.cFileName);
            if (length > 4 && _wcsicmp(found.cFileName + length - 4, L".exe") == 0 &&
                (attributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0 &&
                IsProgramToOffer(Utf8FromWide(found.cFileName), inMenuFolder)) {
                listing.programs.emplace_back(found.cFileName);
            }
        } while (::FindNextFileW(find.get(), &found));
        return listing;
    }

    void Offer(const std::wstring& folder, const std::vector<std::wstring>& programs, bool portable) {
        std::optional<std::string> portableName;
        std::string portableIcon;
        if (portable) {
            if (const auto text = ReadAppInfoText(folder + WideFromUtf8(kPortableInfoFile))) {
                portableName = PortableApplicationName(*text);
            }
            const std::wstring icon = folder + WideFromUtf8(kPortableIconFile);
            if (IsFile(icon)) {
                portableIcon = Utf8FromWide(icon);
            }
        }
        for (const std::wstring& program : programs) {
            std::string path = Utf8FromWide(folder + program);
            if (request_.listed != nullptr && request_.listed->Contains(path)) {
                continue;
            }
            std::string name = portableName ? *portableName : ProposedName(path);
            std::string icon = portableIcon.empty() ? path : portableIcon;
            offered_.push_back({std::move(path), std::move(name), std::move(icon)});
        }
    }

    const ProgramSearchRequest& request_;
    const std::wstring menuFolder_;
    std::vector<std::wstring> pending_;  // folders to list, each with its trailing backslash
    std::vector<OfferedProgram> offered_;
    SearchCounts counts_;
};

}  // namespace

std::vector<OfferedProgram> SearchForPrograms(const ProgramSearchRequest& request) {
    return Walk(request).Run();
}

}  // namespace corvane::menu

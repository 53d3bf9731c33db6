// The search behind "Find Programs on Drive" over a tree of 100,000 files, against a plain recursive
// listing of the same tree (FindFirstFileW and FindNextFileW, nothing else); both in turn, round after
// round, the first of each round alternating, and the ratio taken within each round.
//
//   bench_program_search <work folder> [rounds]
#include "bench/BenchSupport.h"
#include "common/TextEncoding.h"
#include "menu/ProgramSearch.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr int kFolders = 1'000;
constexpr int kFilesPerFolder = 100;
constexpr int kProgramEvery = 20;    // one file in 20 is a program
constexpr int kPortableEvery = 100;  // one folder in 100 has the portable layout

void MakeEmptyFile(const std::wstring& path) {
    const HANDLE file = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        corvane::bench::Die("cannot create " + corvane::Utf8FromWide(path));
    }
    ::CloseHandle(file);
}

// Ten top folders of a hundred folders each, every one holding kFilesPerFolder files.
void MakeTree(const std::string& root) {
    using namespace corvane::bench;
    for (int folder = 0; folder < kFolders; ++folder) {
        const std::string top = root + "\\Top" + std::to_string(folder / 100);
        MakeFolderOrDie(top);
        const std::string path = top + "\\Folder" + std::to_string(folder);
        MakeFolderOrDie(path);
        const std::wstring wide = corvane::WideFromUtf8(path) + L'\\';
        for (int file = 0; file < kFilesPerFolder; ++file) {
            MakeEmptyFile(wide + L"File" + std::to_wstring(file) +
                          (file % kProgramEvery == 0 ? L".exe" : L".dat"));
        }
        if (folder % kPortableEvery == 0) {
            MakeFolderOrDie(path + "\\App");
            MakeFolderOrDie(path + "\\App\\AppInfo");
            WriteFileOrDie(path + "\\App\\AppInfo\\appinfo.ini", "[Details]\r\nName=Portable\r\n");
        }
    }
}

// Every file below `folder` (with its trailing backslash), counted.
std::size_t ListPlainly(const std::wstring& folder) {
    std::size_t files = 0;
    WIN32_FIND_DATAW found{};
    const HANDLE find = ::FindFirstFileW((folder + L'*').c_str(), &found);
    if (find == INVALID_HANDLE_VALUE) {
        return 0;
    }
    do {
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
            ++files;
        } else if (::wcscmp(found.cFileName, L".") != 0 && ::wcscmp(found.cFileName, L"..") != 0) {
            files += ListPlainly(folder + found.cFileName + L'\\');
        }
    } while (::FindNextFileW(find, &found));
    ::FindClose(find);
    return files;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace corvane::bench;
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_program_search <work folder> [rounds]\n");
        return 2;
    }
    const std::string work = argv[1];
    const int rounds = std::max(argc > 2 ? std::atoi(argv[2]) : 7, 1);
    MakeFolderOrDie(work);
    MakeTree(work);

    const std::string root = work + "\\";
    corvane::menu::ProgramSearchRequest request;
    request.root = root;
    request.menuFolder = root;
    std::vector<double> plain;
    std::vector<double> search;
    std::size_t offered = 0;
    for (int round = 0; round < rounds; ++round) {
        for (int turn = 0; turn < 2; ++turn) {
            const double started = NowMs();
            if ((turn == 0) == (round % 2 == 0)) {
                if (ListPlainly(corvane::WideFromUtf8(root)) !=
                    std::size_t{kFolders} * kFilesPerFolder + kFolders / kPortableEvery) {
                    Die("the plain listing did not find every file");
                }
                plain.push_back(NowMs() - started);
            } else {
                offered = corvane::menu::SearchForPrograms(request).size();
                search.push_back(NowMs() - started);
            }
        }
    }
    if (offered != std::size_t{kFolders} * (kFilesPerFolder / kProgramEvery)) {
        Die("the search offered " + std::to_string(offered) + " programs");
    }
    PrintRow("plain recursive listing, 100000 files", MsSpread(SpreadOf(plain)), "1.00x of listing", "");
    PrintRow("search for programs, 100000 files", MsSpread(SpreadOf(search)),
             RatioSpread(SpreadOf(RatiosOf(search, plain))) + " of listing", "<= 1.5x");
    return 0;
}

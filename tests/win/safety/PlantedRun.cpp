#include "tests/win/safety/PlantedRun.h"

#include "tests/win/support/Polling.h"
#include "tests/win/support/TestDrive.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>

namespace corvane::test {
namespace {

constexpr const char* kPlantedDllFile = "corvane_planted.dll";
constexpr char kFileThenBuiltIn[] = "native,builtin";
constexpr DWORD kLoadTimeoutMs = 10000;

// Memory in another process, freed with it.
class RemoteMemory {
  public:
    RemoteMemory(HANDLE process, std::size_t size)
        : process_(process),
          memory_(::VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE)) {}
    ~RemoteMemory() {
        if (memory_ != nullptr) {
            ::VirtualFreeEx(process_, memory_, 0, MEM_RELEASE);
        }
    }
    RemoteMemory(const RemoteMemory&) = delete;
    RemoteMemory& operator=(const RemoteMemory&) = delete;
    [[nodiscard]] void* get() const { return memory_; }

  private:
    HANDLE process_;
    void* memory_;
};

struct WindowSearch {
    DWORD processId = 0;                // windows of this process, when set
    const char* windowClass = nullptr;  // windows of this class, when set
    std::vector<HWND> found;
};

BOOL CALLBACK CollectVisibleWindow(HWND window, LPARAM context) {
    auto& search = *reinterpret_cast<WindowSearch*>(context);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    char className[64] = {};
    ::GetClassNameA(window, className, sizeof className);
    if (::IsWindowVisible(window) && (search.processId == 0 || owner == search.processId) &&
        (search.windowClass == nullptr || ::lstrcmpA(className, search.windowClass) == 0)) {
        search.found.push_back(window);
    }
    return TRUE;
}

std::vector<HWND> VisibleWindows(DWORD processId, const char* windowClass) {
    WindowSearch search{processId, windowClass, {}};
    ::EnumWindows(CollectVisibleWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Wine's DLL overrides of one program.
std::string OverridesKey(const std::string& program) {
    return "Software\\Wine\\AppDefaults\\" + program + "\\DllOverrides";
}

// The name an override names a DLL by: without ".dll".
std::string OverrideName(const char* dll) {
    const std::string name(dll);
    return name.substr(0, name.rfind('.'));
}

}  // namespace

std::vector<std::string> NamesBeyondTheProgramsSearch() {
    const HMODULE ntdll = ::GetModuleHandleA("ntdll.dll");
    const bool wine = ntdll != nullptr && ::GetProcAddress(ntdll, "wine_get_version") != nullptr;
    return wine ? std::vector<std::string>{"uxtheme.dll", "msimg32.dll"} : std::vector<std::string>{};
}

std::vector<std::string> PlantedNames() {
    std::vector<std::string> names(kPlantedNames.begin(), kPlantedNames.end());
    const std::vector<std::string> beyond = NamesBeyondTheProgramsSearch();
    std::erase_if(names, [&](const std::string& name) {
        return std::find(beyond.begin(), beyond.end(), name) != beyond.end();
    });
    return names;
}

void PlantDlls(const std::string& folder) {
    const std::string source = TestProgramFolder() + kPlantedDllFile;
    for (const std::string& name : PlantedNames()) {
        const std::string target = folder + name;
        ASSERT_TRUE(::CopyFileA(source.c_str(), target.c_str(), FALSE)) << source << " -> " << target;
    }
}

std::vector<std::string> LoadedPlantedDlls(const std::string& folder) {
    std::vector<std::string> loaded;
    for (const std::string& name : PlantedNames()) {
        const std::string marker = folder + name + ".loaded";
        if (::GetFileAttributesA(marker.c_str()) != INVALID_FILE_ATTRIBUTES) {
            loaded.emplace_back(name);
        }
    }
    return loaded;
}

ProgramRun::~ProgramRun() {
    if (Running()) {
        ::TerminateProcess(process_.get(), 1);  // a failed test must not leave it behind
        ::WaitForSingleObject(process_.get(), 5000);
    }
}

bool ProgramRun::Running() const {
    return process_ && ::WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT;
}

bool ProgramRun::WaitForEnd(DWORD timeoutMs) const {
    return process_ && ::WaitForSingleObject(process_.get(), timeoutMs) == WAIT_OBJECT_0;
}

HWND ProgramRun::WaitForVisibleWindow(DWORD timeoutMs) const {
    HWND window = nullptr;
    PollUntil(
        [&] {
            const auto windows = VisibleWindows(processId_, nullptr);
            window = windows.empty() ? nullptr : windows.front();
            return window != nullptr || !Running();
        },
        timeoutMs);
    return window;
}

bool ProgramRun::Close(DWORD timeoutMs) const {
    for (const HWND window : VisibleWindows(processId_, nullptr)) {
        ::PostMessageA(window, WM_CLOSE, 0, 0);
    }
    return WaitForEnd(timeoutMs);
}

PreferPlantedFiles::PreferPlantedFiles(std::vector<std::string> programs) : programs_(std::move(programs)) {
    for (const std::string& program : programs_) {
        for (const std::string& dll : PlantedNames()) {
            EXPECT_EQ(::RegSetKeyValueA(HKEY_CURRENT_USER, OverridesKey(program).c_str(),
                                        OverrideName(dll.c_str()).c_str(), REG_SZ, kFileThenBuiltIn,
                                        sizeof kFileThenBuiltIn),
                      ERROR_SUCCESS)
                << program << " " << dll;
        }
    }
}

PreferPlantedFiles::~PreferPlantedFiles() {
    for (const std::string& program : programs_) {
        for (const std::string& dll : PlantedNames()) {
            ::RegDeleteKeyValueA(HKEY_CURRENT_USER, OverridesKey(program).c_str(),
                                 OverrideName(dll.c_str()).c_str());
        }
    }
}

bool ProgramRun::LoadByNameInside(const char* dll) const {
    const std::size_t size = std::strlen(dll) + 1;
    const RemoteMemory text(process_.get(), size);
    if (text.get() == nullptr || !::WriteProcessMemory(process_.get(), text.get(), dll, size, nullptr)) {
        ADD_FAILURE() << "cannot write into the program: error " << ::GetLastError();
        return false;
    }
    // kernel32.dll lies at the same address in every process of one bitness, so this process's
    // LoadLibraryA is the program's too.
    const auto loadLibrary = reinterpret_cast<LPTHREAD_START_ROUTINE>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleA("kernel32.dll"), "LoadLibraryA")));
    const UniqueKernelHandle thread(
        ::CreateRemoteThread(process_.get(), nullptr, 0, loadLibrary, text.get(), 0, nullptr));
    if (!thread || ::WaitForSingleObject(thread.get(), kLoadTimeoutMs) != WAIT_OBJECT_0) {
        ADD_FAILURE() << "the program did not run LoadLibraryA(\"" << dll << "\"): error "
                      << ::GetLastError();
        return false;
    }
    DWORD module = 0;  // the low half of the HMODULE: not zero when it loaded
    return ::GetExitCodeThread(thread.get(), &module) && module != 0;
}

ProgramRun StartInItsFolder(const std::string& program, const std::string& arguments) {
    const std::string folder = program.substr(0, program.rfind('\\') + 1);
    std::string commandLine = "\"" + program + "\"" + (arguments.empty() ? "" : " " + arguments);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    if (!::CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          folder.c_str(), &startup, &started)) {
        ADD_FAILURE() << "cannot start " << program << ": error " << ::GetLastError();
        return {};
    }
    const UniqueKernelHandle thread(started.hThread);
    return {UniqueKernelHandle(started.hProcess), started.dwProcessId};
}

ProgramRun WaitForProgramWithWindow(const char* windowClass, DWORD timeoutMs) {
    DWORD processId = 0;
    PollUntil(
        [&] {
            const auto windows = VisibleWindows(0, windowClass);
            if (!windows.empty()) {
                ::GetWindowThreadProcessId(windows.front(), &processId);
            }
            return processId != 0;
        },
        timeoutMs);
    if (processId == 0) {
        return {};
    }
    constexpr DWORD kAccess = SYNCHRONIZE | PROCESS_TERMINATE | PROCESS_CREATE_THREAD | PROCESS_VM_OPERATION |
                              PROCESS_VM_WRITE | PROCESS_QUERY_INFORMATION;
    return {UniqueKernelHandle(::OpenProcess(kAccess, FALSE, processId)), processId};
}

}  // namespace corvane::test

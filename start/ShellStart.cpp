#include "start/ShellStart.h"

#include "common/ComApartment.h"
#include "common/ComRef.h"
#include "common/UniqueHandle.h"
#include "common/TextEncoding.h"

#include <windows.h>
#include <exdisp.h>
#include <oleauto.h>
#include <servprov.h>
#include <shldisp.h>
#include <shlguid.h>
#include <shlobj.h>

namespace corvane::start {
namespace {

struct BstrTraits {
    using Handle = BSTR;
    static Handle Invalid() noexcept { return nullptr; }
    static void Close(Handle h) noexcept { ::SysFreeString(h); }
};
using UniqueBstr = UniqueHandle<BstrTraits>;

// The desktop's shell dispatch object: the shell's window, its active view's background object
// and the application behind it.
ComRef<IShellDispatch2> DesktopShellDispatch() {
    ComRef<IShellWindows> windows;
    ComRef<IDispatch> desktop;
    ComRef<IShellBrowser> browser;
    ComRef<IShellView> view;
    ComRef<IDispatch> background;
    ComRef<IShellFolderViewDual> folderView;
    ComRef<IDispatch> application;
    ComRef<IShellDispatch2> shell;
    VARIANT anywhere;
    ::VariantInit(&anywhere);
    long desktopWindow = 0;
    ComRef<IServiceProvider> services;
    const bool found =
        Obtain(windows,
               [](void** out) {
                   return ::CoCreateInstance(CLSID_ShellWindows, nullptr, CLSCTX_LOCAL_SERVER,
                                             IID_IShellWindows, out);
               }) &&
        Obtain(desktop,
               [&](void** out) {
                   return windows.get()->FindWindowSW(&anywhere, &anywhere, SWC_DESKTOP, &desktopWindow,
                                                      SWFO_NEEDDISPATCH, reinterpret_cast<IDispatch**>(out));
               }) &&
        Obtain(services,
               [&](void** out) { return desktop.get()->QueryInterface(IID_IServiceProvider, out); }) &&
        Obtain(browser,
               [&](void** out) {
                   return services.get()->QueryService(SID_STopLevelBrowser, IID_IShellBrowser, out);
               }) &&
        Obtain(view,
               [&](void** out) {
                   return browser.get()->QueryActiveShellView(reinterpret_cast<IShellView**>(out));
               }) &&
        Obtain(background,
               [&](void** out) { return view.get()->GetItemObject(SVGIO_BACKGROUND, IID_IDispatch, out); }) &&
        Obtain(folderView,
               [&](void** out) { return background.get()->QueryInterface(IID_IShellFolderViewDual, out); }) &&
        Obtain(application,
               [&](void** out) {
                   return folderView.get()->get_Application(reinterpret_cast<IDispatch**>(out));
               }) &&
        Obtain(shell,
               [&](void** out) { return application.get()->QueryInterface(IID_IShellDispatch2, out); });
    return found ? std::move(shell) : ComRef<IShellDispatch2>();
}

VARIANT TextVariant(BSTR text) noexcept {
    VARIANT variant;
    ::VariantInit(&variant);
    variant.vt = VT_BSTR;
    variant.bstrVal = text;
    return variant;
}

}  // namespace

bool IsElevated() noexcept {
    HANDLE rawToken = nullptr;
    if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_QUERY, &rawToken)) {
        return false;
    }
    const UniqueKernelHandle token(rawToken);
    TOKEN_ELEVATION elevation{};
    DWORD size = 0;
    return ::GetTokenInformation(token.get(), TokenElevation, &elevation, sizeof elevation, &size) &&
           elevation.TokenIsElevated != 0;
}

bool StartThroughDesktopShell(const std::string& file) noexcept {
    try {
        // Only the shell that owns the desktop starts programs with the user's own token.
        if (::GetShellWindow() == nullptr) {
            return false;
        }
        const ComApartment apartment;
        const ComRef<IShellDispatch2> shell = DesktopShellDispatch();
        if (!shell) {
            return false;
        }
        const UniqueBstr path(::SysAllocString(WideFromUtf8(file).c_str()));
        const UniqueBstr noParameters(::SysAllocString(L""));
        const UniqueBstr open(::SysAllocString(L"open"));
        if (!path || !noParameters || !open) {
            return false;
        }
        VARIANT noFolder;
        ::VariantInit(&noFolder);
        VARIANT show;
        ::VariantInit(&show);
        show.vt = VT_I4;
        show.lVal = SW_SHOWNORMAL;
        return SUCCEEDED(shell.get()->ShellExecute(path.get(), TextVariant(noParameters.get()), noFolder,
                                                   TextVariant(open.get()), show));
    } catch (...) {
        return false;  // out of memory: the caller starts the program itself
    }
}

}  // namespace corvane::start

// Stands in for the common-controls component: a DLL with the registration entry points that
// registers nothing. The Kindel tests sign it in several ways (make-test-components.sh).
#include <windows.h>

extern "C" __declspec(dllexport) HRESULT STDAPICALLTYPE DllRegisterServer() {
    return S_OK;
}
extern "C" __declspec(dllexport) HRESULT STDAPICALLTYPE DllUnregisterServer() {
    return S_OK;
}

// The manifest every program carries (common/ProgramResources.rc; this test program carries it too).
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

namespace corvane {
namespace {

std::string OwnManifest() {
    const HRSRC found = ::FindResourceW(nullptr, CREATEPROCESS_MANIFEST_RESOURCE_ID, RT_MANIFEST);
    if (found == nullptr) {
        return {};
    }
    const auto* bytes = static_cast<const char*>(::LockResource(::LoadResource(nullptr, found)));
    return bytes != nullptr ? std::string(bytes, ::SizeofResource(nullptr, found)) : std::string();
}

TEST(Manifest, DeclaresPerMonitorAwarenessWithTheOlderSystemsFallback) {
    const std::string manifest = OwnManifest();
    ASSERT_FALSE(manifest.empty());
    for (const char* declaration :
         {"<dpiAware xmlns=\"http://schemas.microsoft.com/SMI/2005/WindowsSettings\">true/pm</dpiAware>",
          "<dpiAwareness xmlns=\"http://schemas.microsoft.com/SMI/2016/WindowsSettings\">PerMonitorV2, "
          "PerMonitor</dpiAwareness>"}) {
        EXPECT_NE(manifest.find(declaration), std::string::npos) << declaration;
    }
}

}  // namespace
}  // namespace corvane

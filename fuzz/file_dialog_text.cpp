// The file dialog's texts: a filter of any text becomes a NUL-separated list that the dialog can
// end, and any buffer the dialog hands back either fails with the invalid-argument error or splits
// into a folder and names that hold no NUL and join back to the list.
#include "fuzz/FuzzSupport.h"
#include "menu/core/FileDialogText.h"

#include <algorithm>

using namespace corvane::menu;

namespace {

void Filter(std::string_view filter) {
    const std::string converted = DialogFilter(filter);
    FUZZ_REQUIRE(converted.size() == filter.size() + 2);
    FUZZ_REQUIRE(converted.ends_with(std::string_view("\0\0", 2)));
    FUZZ_REQUIRE(converted.find_first_of("|:") == std::string::npos);
    FUZZ_REQUIRE(WithTwoNuls(filter).substr(0, filter.size()) == filter);
}

void MultiSelection(std::string_view buffer) {
    const std::string source = "cFileDialog";
    std::string folder = "left over";
    std::vector<std::string> files{"left over"};
    try {
        ParseMultiSelection(buffer, source, folder, files);
    } catch (const FileDialogError& error) {
        FUZZ_REQUIRE(error.number == kInvalidArgumentError && error.source == source);
        FUZZ_REQUIRE(error.description == kInvalidArgumentText);
        FUZZ_REQUIRE(buffer.find(std::string_view("\0\0", 2)) == std::string_view::npos);
        return;
    }
    const auto end = buffer.find(std::string_view("\0\0", 2));
    FUZZ_REQUIRE(end != std::string_view::npos);
    const std::string_view list = buffer.substr(0, end);
    FUZZ_REQUIRE(!files.empty());
    FUZZ_REQUIRE(folder.find('\0') == std::string::npos);
    FUZZ_REQUIRE(std::none_of(files.begin(), files.end(),
                              [](const std::string& name) { return name.find('\0') != std::string::npos; }));

    if (list.find('\0') == std::string_view::npos) {
        // One file: the folder keeps its backslash and the name has none.
        FUZZ_REQUIRE(files.size() == 1 && folder + files.front() == list);
        FUZZ_REQUIRE(folder.empty() || folder.ends_with('\\'));
        FUZZ_REQUIRE(files.front().find('\\') == std::string::npos);
        return;
    }
    std::string joined = folder;
    for (const std::string& name : files) {
        joined += '\0';
        joined += name;
    }
    FUZZ_REQUIRE(joined == list);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    Filter(text);
    MultiSelection(text);
    return 0;
}

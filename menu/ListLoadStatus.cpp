#include "menu/ListLoadStatus.h"

#include "common/SystemError.h"
#include "menu/EntryList.h"
#include "menu/core/MenuTexts.h"

namespace corvane::menu {

std::string LoadStatusText(DWORD result) {
    switch (result) {
        case ERROR_SUCCESS:
            return texts::kDataLoaded;
        case kListInOtherCodePage:
            return texts::kListInOtherCodePage;
        default:
            return texts::kErrorLoadingList + SystemErrorText(result);
    }
}

const char* ListNotSavedText(DWORD loadResult) noexcept {
    return loadResult == kListInOtherCodePage ? texts::kListNotSavedOtherCodePage : texts::kListNotSaved;
}

}  // namespace corvane::menu

// frmMain: files and folders dropped onto the window.
#include "menu/frmMain.h"

namespace corvane::menu {

void frmMain::OnDropFiles(HDROP drop) noexcept {
    const DropList files(drop);
}

}  // namespace corvane::menu

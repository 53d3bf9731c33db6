#include "tests/e2e/ControlNames.h"

#include "common/AboutWindow.h"
#include "creator/frmBrowse.h"
#include "menu/MenuResources.h"
#include "menu/frmAdd.h"
#include "menu/frmMain.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>

namespace corvane::e2e {
namespace {

struct Name {
    const char* windowClass;
    const char* name;
    int id;
};

#define MENU_COMMAND(id) \
    { "frmMain", #id, id }
#define CONTROL(window, scope, id) \
    { window, #id, scope::id }

const Name kNames[] = {
    {"frmMain", "lstApp", menu::frmMain::lstApp},
    {"frmMain", "Status", menu::frmMain::Status},
    MENU_COMMAND(mnuRun),
    MENU_COMMAND(mnuBrowse),
    MENU_COMMAND(mnuRootBrowse),
    MENU_COMMAND(mnuAdd),
    MENU_COMMAND(mnuEdit),
    MENU_COMMAND(mnuDelete),
    MENU_COMMAND(mnuRefresh),
    MENU_COMMAND(mnuRunNothing),
    MENU_COMMAND(mnuRunMinimize),
    MENU_COMMAND(mnuRunClose),
    MENU_COMMAND(mnuExit2),
    MENU_COMMAND(mnuOpenMenu),
    MENU_COMMAND(mnuAdd2),
    MENU_COMMAND(mnuAbout2),
    MENU_COMMAND(mnuExit),
    MENU_COMMAND(mnuRepair),
    MENU_COMMAND(mnuFormat),
    MENU_COMMAND(mnuUsbview),
    MENU_COMMAND(mnuHelp2),
    MENU_COMMAND(mnuAbout),
    CONTROL("frmAdd", menu::frmAdd, cmdBrowse),
    CONTROL("frmAdd", menu::frmAdd, txtPath),
    CONTROL("frmAdd", menu::frmAdd, txtName),
    CONTROL("frmAdd", menu::frmAdd, txtCommandLine),
    CONTROL("frmAdd", menu::frmAdd, cmdSave),
    CONTROL("frmAdd", menu::frmAdd, cmdCancel),
    CONTROL("CorvaneCreator", creator::frmBrowse, txtAction),
    CONTROL("CorvaneCreator", creator::frmBrowse, txtMyComp),
    CONTROL("CorvaneCreator", creator::frmBrowse, BrowseFldr),
    CONTROL("CorvaneCreator", creator::frmBrowse, txtPath),
    CONTROL("CorvaneCreator", creator::frmBrowse, cmdCreate),
    CONTROL("CorvaneCreator", creator::frmBrowse, Command1),
    CONTROL("CorvaneCreator", creator::frmBrowse, lblStatus),
    CONTROL("CorvaneCreator", creator::frmBrowse, Label4),
    CONTROL("CorvaneCreator", creator::frmBrowse, Label5),
    CONTROL("CorvaneCreator", creator::frmBrowse, Label6),
    CONTROL("CorvaneCreator", creator::frmBrowse, Label7),
    CONTROL("CorvaneAbout", AboutWindow, lblTitle),
    CONTROL("CorvaneAbout", AboutWindow, cmdClose),
    CONTROL("CorvaneAbout", AboutWindow, cmdHelp),
};

}  // namespace

int ControlId(const std::string& windowClass, const std::string& name) {
    if (!name.empty() && std::isdigit(static_cast<unsigned char>(name[0]))) {
        return std::stoi(name);
    }
    for (const Name& entry : kNames) {
        if (windowClass == entry.windowClass && name == entry.name) {
            return entry.id;
        }
    }
    std::fprintf(stderr, "corvane_driver: no control %s in %s\n", name.c_str(), windowClass.c_str());
    std::exit(1);
}

}  // namespace corvane::e2e

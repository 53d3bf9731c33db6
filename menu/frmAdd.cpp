#include "menu/frmAdd.h"

#include "common/DroppedFiles.h"
#include "common/WindowLayout.h"
#include "common/WindowText.h"
#include "common/core/AnsiText.h"
#include "menu/DroppedItems.h"
#include "menu/PathHelpers.h"
#include "menu/core/EntryTarget.h"
#include "menu/core/MenuTexts.h"

#include <commctrl.h>

#include <array>

namespace corvane::menu {
namespace {

constexpr int kClientWidth = 6600;  // twips
constexpr int kClientHeight = 4155;
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr DWORD kEditStyle = WS_TABSTOP | ES_AUTOHSCROLL;
constexpr DWORD kButtonStyle = WS_TABSTOP | BS_PUSHBUTTON;

// In tab order: the labels take no focus, the rest follow the order users fill the form in.
const std::array<ControlSpec, 10> kControls = {{
    {frmAdd::Label4, "STATIC", texts::kEditorHint, SS_LEFT | SS_NOPREFIX, 0, {413, 360, 5775, 615}},
    {frmAdd::Label3, "STATIC", texts::kFilePathLabel, SS_LEFT, 0, {240, 1200, 1935, 255}},
    {frmAdd::cmdBrowse, "BUTTON", texts::kBrowseButton, kButtonStyle, 0, {6045, 1440, 375, 315}},
    {frmAdd::txtPath, "EDIT", "", kEditStyle, WS_EX_CLIENTEDGE, {240, 1440, 5700, 285}},
    {frmAdd::Label2, "STATIC", texts::kMenuNameLabel, SS_LEFT, 0, {240, 2085, 5415, 255}},
    {frmAdd::txtName, "EDIT", "", kEditStyle, WS_EX_CLIENTEDGE, {240, 2340, 6180, 285}},
    {frmAdd::Label1, "STATIC", texts::kSwitchLabel, SS_LEFT, 0, {240, 3000, 3135, 255}},
    {frmAdd::txtCommandLine, "EDIT", "", kEditStyle, WS_EX_CLIENTEDGE, {240, 3240, 6180, 285}},
    {frmAdd::cmdSave, "BUTTON", texts::kSaveButton, kButtonStyle, 0, {1193, 3720, 1455, 350}},
    {frmAdd::cmdCancel, "BUTTON", texts::kCancelButton, kButtonStyle, 0, {3953, 3720, 1455, 350}},
}};

}  // namespace

void frmAdd::Show(Mode mode) {
    if (IsOpen()) {
        ::ShowWindow(Hwnd(), SW_RESTORE);
        ::SetForegroundWindow(Hwnd());
        return;
    }
    mode_ = mode;
    editedEntry_.reset();
    fileDialog_ = std::make_shared<cFileDialog>();
    // Made on the monitor of the menu window, at its DPI, and centred there. Files dropped onto the
    // editor fill it, as one dropped onto the menu while it is open.
    const POINT at = OpeningPointNear(host_.OwnerWindow());
    if (!CreateWindowObject(WS_EX_CONTROLPARENT | WS_EX_ACCEPTFILES, texts::kEditorDesignCaption, kStyle,
                            at.x, at.y, 100, 100)) {
        return;
    }
    SetFixedClientSize(kClientWidth, kClientHeight);
    SetWindowTextOf(Hwnd(), mode == Mode::Add ? texts::kAddEntryCaption : texts::kEditEntryCaption);
    if (mode == Mode::Edit) {
        FillFromSelectedEntry();
    }
    CentreOnScreen(Hwnd());
    ::ShowWindow(Hwnd(), SW_SHOWNORMAL);
    ::SetForegroundWindow(Hwnd());
    ::SetFocus(::GetDlgItem(Hwnd(), txtPath));
}

void frmAdd::OnWindowDestroyed() noexcept {
    fileDialog_.reset();
    editedEntry_.reset();
}

void frmAdd::OnCreate() {
    for (const ControlSpec& control : kControls) {
        CreateChild(Hwnd(), control, Dpi());
    }
    Layout();
}

void frmAdd::Layout() {
    PlaceChildren(Hwnd(), kControls, Dpi());
    font_ = WithFontOnChildren(Hwnd(), CreateDialogFont(Dpi()));
}

void frmAdd::FillFromSelectedEntry() {
    const std::optional<EntryId> selected = host_.SelectedEntry();
    const auto index = selected ? host_.Entries().IndexOf(*selected) : std::nullopt;
    if (!index) {
        return;  // nothing selected: an empty editor whose Save only adds, removing no entry
    }
    editedEntry_ = selected;
    const Entry& entry = host_.Entries()[*index];
    SetChildTextOf(Hwnd(), txtName, entry.Name());
    SetChildTextOf(Hwnd(), txtPath, entry.Target());
    SetChildTextOf(Hwnd(), txtCommandLine, entry.Switches());
}

std::string frmAdd::FieldText(int id) const {
    return WindowTextOf(::GetDlgItem(Hwnd(), id));
}

void frmAdd::Browse() {
    if (!fileDialog_) {
        return;
    }
    const std::shared_ptr<cFileDialog> keepAlive = fileDialog_;
    cFileDialog& dialog = *keepAlive;
    dialog.Filename("");
    dialog.flags(OFN_FILEMUSTEXIST);
    dialog.hwnd(Hwnd());
    dialog.CancelError(false);
    dialog.DialogTitle(texts::kSelectFileTitle);
    dialog.Filter(texts::kAllFilesFilter);
    dialog.ShowOpen();
    if (!IsOpen()) {
        return;  // the editor was closed while the dialog was up (the menu ended): nothing to fill in
    }
    if (dialog.Filename().empty()) {
        return;  // cancelled
    }
    ShowProposal(dialog.Filename(), ProposedName(dialog.Filename()));
}

void frmAdd::FillFromDrop(const DroppedItem& item) {
    if (!IsOpen()) {
        return;
    }
    const ProposedEntry entry = ProposeEntry(item);
    if (item.kind == DroppedKind::Shortcut) {
        SetChildTextOf(Hwnd(), txtCommandLine, entry.switches);
    }
    ShowProposal(entry.path, entry.name);
    ::SetForegroundWindow(Hwnd());
}

void frmAdd::ShowProposal(const std::string& path, const std::string& name) {
    SetChildTextOf(Hwnd(), txtPath, path);
    SetChildTextOf(Hwnd(), txtName, name);
    const HWND nameBox = ::GetDlgItem(Hwnd(), txtName);
    ::SetFocus(nameBox);
    ::SendMessageW(nameBox, EM_SETSEL, 0, -1);
}

void frmAdd::Save() {
    // Line breaks pasted into a field are stored as spaces, so the row shows what Data.dat holds.
    const std::string path = LineBreaksToSpaces(FieldText(txtPath));
    if (path.empty()) {
        return;
    }
    const std::string name = NameToStore(FieldText(txtName), path);
    SetChildTextOf(Hwnd(), txtName, name);
    const std::string target = StoredTarget(path, MenuDrivePrefix(host_.Folder()));
    const std::string commandLine = LineBreaksToSpaces(FieldText(txtCommandLine));

    try {
        EntryModel& entries = host_.Entries();
        // The entry the editor was opened on, wherever sorting moved it; if it was deleted meanwhile,
        // the edited entry is added and nothing else is removed.
        const bool replaced =
            mode_ == Mode::Edit && editedEntry_ && entries.Replace(*editedEntry_, name, target, commandLine);
        if (!replaced) {
            entries.Append(name, target, commandLine);
        }
    } catch (const std::bad_alloc&) {
        return;  // no memory for the entry: the old one stays, and the editor keeps what was typed
    }
    host_.EntriesChanged();
    host_.SaveList();
    Destroy();
}

LRESULT frmAdd::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            OnCreate();
            return 0;
        case WM_COMMAND:
            switch (LOWORD(wParam)) {
                case cmdBrowse:
                    try {
                        Browse();
                    } catch (const FileDialogError&) {
                        // The dialog is used without its cancel error; nothing else can fail here.
                    }
                    return 0;
                case cmdSave:
                    Save();
                    return 0;
                case cmdCancel:
                    Destroy();
                    return 0;
                default:
                    return 0;  // Enter and Escape are not bound to Save and Cancel
            }
        case WM_DROPFILES:
            if (const std::vector<std::string> paths = TakeDroppedPaths(reinterpret_cast<HDROP>(wParam));
                !paths.empty()) {
                FillFromDrop(DescribeDroppedItem(paths.front()));
            }
            return 0;
        case WM_CLOSE:
            Destroy();
            return 0;
        default:
            break;
    }
    return DefaultHandling(message, wParam, lParam);
}

void DeleteSelectedEntry(EntryEditorHost& host) {
    const std::optional<EntryId> selected = host.SelectedEntry();
    const auto index = selected ? host.Entries().IndexOf(*selected) : std::nullopt;
    if (!index) {
        return;  // an empty list, or entries but none selected: nothing to ask about
    }
    const EntryId entry = *selected;
    const std::string question =
        std::string(texts::kDeleteQuestion).append(host.Entries()[*index].Name()) + texts::kDeleteQuestionEnd;
    const HWND owner = host.OwnerWindow();
    const int answer =
        ShowMessageBox(owner, question, texts::kProgramTitle, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2);

    // While the question was up the editor may have saved or the menu may have ended.
    if (host.OwnerWindow() != owner || !::IsWindow(owner)) {
        return;
    }
    if (!host.Entries().IndexOf(entry)) {
        return;  // the entry itself went meanwhile: it is not this question's to delete
    }
    if (answer == IDYES) {
        host.Entries().Remove(entry);
        host.EntriesChanged();
    }
    host.SaveList();
}

}  // namespace corvane::menu

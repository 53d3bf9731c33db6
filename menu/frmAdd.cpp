#include "menu/frmAdd.h"

#include "common/WindowLayout.h"
#include "common/WindowText.h"
#include "common/core/AnsiText.h"
#include "menu/EntryList.h"
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

int SelectedRow(HWND list) {
    return static_cast<int>(::SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

}  // namespace

void frmAdd::Show(Mode mode) {
    if (IsOpen()) {
        ::ShowWindow(Hwnd(), SW_RESTORE);
        ::SetForegroundWindow(Hwnd());
        return;
    }
    mode_ = mode;
    editedRowId_.reset();
    fileDialog_ = std::make_shared<cFileDialog>();
    if (!CreateWindowObject(WS_EX_CONTROLPARENT, texts::kEditorDesignCaption, kStyle, CW_USEDEFAULT,
                            CW_USEDEFAULT, 100, 100)) {
        return;
    }
    SetClientSizeTwips(Hwnd(), kClientWidth, kClientHeight, WindowDpi(Hwnd()));
    ::SetWindowTextA(Hwnd(), mode == Mode::Add ? texts::kAddEntryCaption : texts::kEditEntryCaption);
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
    editedRowId_.reset();
}

void frmAdd::OnCreate() {
    const int dpi = WindowDpi(Hwnd());
    for (const ControlSpec& control : kControls) {
        CreateChild(Hwnd(), control, dpi);
    }
    font_ = CreateDialogFont(dpi);
    ApplyFontToChildren(Hwnd(), font_.get());
}

void frmAdd::FillFromSelectedEntry() {
    const HWND list = host_.ListView();
    const int row = SelectedRow(list);
    if (row < 0) {
        return;  // nothing selected: an empty editor whose Save only adds, removing no entry
    }
    editedRowId_ = RowId(list, row);
    ::SetDlgItemTextA(Hwnd(), txtName, RowText(list, row, 0).c_str());
    ::SetDlgItemTextA(Hwnd(), txtPath, RowText(list, row, 1).c_str());
    ::SetDlgItemTextA(Hwnd(), txtCommandLine, RowText(list, row, 2).c_str());
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
    ::SetDlgItemTextA(Hwnd(), txtPath, dialog.Filename().c_str());
    ::SetDlgItemTextA(Hwnd(), txtName, ProposedName(dialog.Filename(), AnsiLeadByte).c_str());
    const HWND name = ::GetDlgItem(Hwnd(), txtName);
    ::SetFocus(name);
    ::SendMessageA(name, EM_SETSEL, 0, -1);
}

void frmAdd::Save() {
    // Line breaks pasted into a field are stored as spaces, so the row shows what Data.dat holds.
    const std::string path = LineBreaksToSpaces(FieldText(txtPath));
    if (path.empty()) {
        return;
    }
    const std::string name = NameToStore(FieldText(txtName), path, AnsiLeadByte);
    ::SetDlgItemTextA(Hwnd(), txtName, name.c_str());
    const std::string target = StoredTarget(path, MenuDrivePrefix(host_.Folder()));
    const std::string commandLine = LineBreaksToSpaces(FieldText(txtCommandLine));

    const HWND list = host_.ListView();
    const std::array<std::string_view, 3> fields{name, target, commandLine};
    if (AppendRow(list, fields) < 0) {
        return;  // the list took no new row: the old one stays, and the editor keeps what was typed
    }
    if (mode_ == Mode::Edit && editedRowId_) {
        // The entry the editor was opened on, wherever sorting moved it; if it was deleted
        // meanwhile nothing else is removed.
        if (const int old = FindRow(list, *editedRowId_); old >= 0) {
            ::SendMessageA(list, LVM_DELETEITEM, static_cast<WPARAM>(old), 0);
        }
    }
    host_.SortRows();
    host_.SaveList();
    ::InvalidateRect(list, nullptr, TRUE);
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
        case WM_CLOSE:
            Destroy();
            return 0;
        default:
            break;
    }
    return DefaultHandling(message, wParam, lParam);
}

void DeleteSelectedEntry(EntryEditorHost& host) {
    const HWND list = host.ListView();
    const int row = SelectedRow(list);
    if (row < 0) {
        return;  // an empty list, or entries but none selected: nothing to ask about
    }
    const LPARAM entry = RowId(list, row);
    const std::string question = texts::kDeleteQuestion + RowText(list, row, 0) + texts::kDeleteQuestionEnd;
    const HWND owner = ::GetAncestor(list, GA_ROOT);
    const int answer = ::MessageBoxA(owner, question.c_str(), texts::kProgramTitle,
                                     MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2);

    // While the question was up the editor may have saved (rows moved) or the menu may have ended.
    const HWND listNow = host.ListView();
    if (listNow != list || !::IsWindow(list)) {
        return;
    }
    const int rowNow = FindRow(list, entry);
    if (rowNow < 0) {
        return;  // the entry itself went meanwhile (an Edit replaced it): it is not this question's to delete
    }
    if (answer == IDYES) {
        ::SendMessageA(list, LVM_DELETEITEM, static_cast<WPARAM>(rowNow), 0);
    }
    ::InvalidateRect(list, nullptr, TRUE);
    host.SaveList();
}

}  // namespace corvane::menu

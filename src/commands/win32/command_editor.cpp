#include "commands/win32/command_editor.h"

#include <algorithm>
#include <string_view>

#include "commands/win32/command_editor_texts.h"
#include "commands/win32/commands_window_texts.h"
#include "framework/dialogs.h"
#include "framework/gdi.h"
#include "settings/shortcut_text.h"

namespace vyr {
namespace {

constexpr int kClientWidth = 543;
constexpr int kClientHeight = 252;
// The fields' left edge, and their lines from the title down to the hot key.
constexpr int kFieldLeft = 148;
constexpr int kTitleLine = 36;
constexpr int kProgramLine = 68;
constexpr int kParametersLine = 100;
constexpr int kDirectoryLine = 132;
constexpr int kHotKeyLine = 164;
constexpr int kFieldHeight = 20;
constexpr int kBrowseLeft = 456;

constexpr int kEdit1Id = 101;
constexpr int kEdit2Id = 102;
constexpr int kEdit3Id = 103;
constexpr int kEdit4Id = 104;
constexpr int kHotKey1Id = 105;
constexpr int kButton1Id = 201;
constexpr int kButton2Id = 202;
constexpr int kButton3Id = 203;

// Each label ends a little before its field, whatever width the font gives
// its text; it is never wrapped.
void CreateLabel(HWND parent, const char* text, int line) {
  const int width = framework::TextWidth(parent, framework::UiFont(), text);
  const int left = std::max(0, kFieldLeft - 6 - width);
  framework::CreateControl(parent, {"STATIC", text, SS_LEFTNOWORDWRAP | SS_NOPREFIX, left, line + 4,
                                    kFieldLeft - 6 - left, 14});
}

HWND CreateEditBox(HWND parent, int line, int width, int id) {
  return framework::CreateControl(
      parent, {"EDIT", "", ES_AUTOHSCROLL | WS_TABSTOP, kFieldLeft, line, width, kFieldHeight, id,
               nullptr, WS_EX_CLIENTEDGE});
}

// A browse button, on its field's line.
HWND CreateBrowseButton(HWND parent, int line, int id) {
  return framework::CreateControl(
      parent,
      {"BUTTON", texts::kEditorBrowse, BS_PUSHBUTTON | WS_TABSTOP, kBrowseLeft, line, 75, 25, id});
}

}  // namespace

bool TForm7::Create(HWND owner) {
  const framework::WindowArgs args =
      framework::CentredDialogArgs("TForm7", texts::kEditorCaption, kClientWidth, kClientHeight,
                                   owner);
  if (!Window::Create(args)) return false;
  const HWND me = hwnd();
  CreateLabel(me, texts::kTitleCaption, kTitleLine);
  CreateLabel(me, texts::kEditorProgramLabel, kProgramLine);
  CreateLabel(me, texts::kEditorParametersLabel, kParametersLine);
  CreateLabel(me, texts::kDirectoryCaption, kDirectoryLine);
  CreateLabel(me, texts::kHotKeyCaption, kHotKeyLine);
  // The tab order is the order in which the controls are made.
  edit1_.Attach(CreateEditBox(me, kTitleLine, 137, kEdit1Id));
  edit2_.Attach(CreateEditBox(me, kProgramLine, 297, kEdit2Id));
  edit3_.Attach(CreateEditBox(me, kParametersLine, 297, kEdit3Id));
  edit4_.Attach(CreateEditBox(me, kDirectoryLine, 297, kEdit4Id));
  CreateBrowseButton(me, kProgramLine, kButton1Id);
  hot_key1_.Create(me, kFieldLeft, kHotKeyLine, 121, kFieldHeight, kHotKey1Id);
  using framework::CreateControl;
  CreateControl(me, {"BUTTON", texts::kOk, BS_DEFPUSHBUTTON | WS_TABSTOP, 320, 216, 97, 25, IDOK});
  CreateControl(me,
                {"BUTTON", texts::kCancel, BS_PUSHBUTTON | WS_TABSTOP, 436, 216, 93, 25, IDCANCEL});
  framework::AddHint(me, CreateBrowseButton(me, kParametersLine, kButton2Id),
                     texts::kEditorParametersHint);
  framework::AddHint(me, CreateBrowseButton(me, kDirectoryLine, kButton3Id),
                     texts::kEditorDirectoryHint);
  return true;
}

bool TForm7::Edit(CommandEntry& entry) {
  Fill(entry);
  Show();
  // In front of other programs, also when the settings dialog was opened
  // from the tray.
  BringWindowToTop(hwnd());
  SetForegroundWindow(hwnd());
  focus_.Remember(edit1_.hwnd());
  edit1_.Focus();
  if (ShowModal() != IDOK) return false;
  entry = Read();
  return true;
}

void TForm7::Fill(const CommandEntry& entry) {
  ShowTexts(entry);
  // A text that names no key gives none.
  hot_key1_.SetValue(TextToShortcut(entry.hot_key));
}

CommandEntry TForm7::Read() const {
  return {edit1_.Text(), edit2_.Text(), edit3_.Text(), edit4_.Text(),
          ShortcutToText(hot_key1_.Value())};
}

void TForm7::ShowTexts(const CommandEntry& texts) {
  edit1_.SetText(texts.title);
  edit2_.SetText(texts.program);
  edit3_.SetText(texts.parameters);
  edit4_.SetText(texts.directory);
}

void TForm7::Browse(BrowseFor target) {
  const std::string file = framework::AskFileToOpen(
      hwnd(), std::string_view(texts::kEditorFilter, sizeof texts::kEditorFilter - 1),
      open_dialog1_file_, BrowseFilterChoice(target));
  if (file.empty()) return;
  open_dialog1_file_ = file;
  CommandEntry texts = Read();
  TakeBrowsedFile(target, file, texts);
  ShowTexts(texts);
}

void TForm7::OnCommand(int id, int code) {
  if (code == BN_CLICKED) {
    switch (id) {
      case kButton1Id:
        Button1Click();
        return;
      case kButton2Id:
        Button2Click();
        return;
      case kButton3Id:
        Button3Click();
        return;
      default:
        break;
    }
  }
  Window::OnCommand(id, code);  // OK and Cancel, Enter and Esc
}

LRESULT TForm7::OnMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_ACTIVATE && focus_.OnActivate(hwnd(), wparam)) return 0;
  return Window::OnMessage(message, wparam, lparam);
}

}  // namespace vyr

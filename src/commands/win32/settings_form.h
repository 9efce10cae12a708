// TForm6: the settings dialog, with the Command list on the "コマンド" tab and
// the options on "その他". Created hidden once, shown and hidden again; every
// button, key and drop goes to the SettingsDialog and its command page.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "commands/command_page.h"
#include "commands/win32/filedrop.h"
#include "commands/win32/row_drag.h"
#include "desktop/settings_dialog.h"
#include "framework/controls.h"
#include "framework/focus_memory.h"
#include "framework/menu.h"
#include "framework/scoped_handles.h"
#include "framework/window.h"
#include "ui/win32/key_combination_field.h"

namespace vyr {

class TForm6 final : public framework::Window, public SettingsDialogView, public CommandRowsView {
 public:
  // The controls' identifiers, by which the tests find them.
  enum ControlId : int {
    kListViewId = 100,
    kPageControlId,
    kSpdEditId,
    kSpdHorizonId,
    kSpdAddId,
    kSpdDeleteId,
    kSpdUpId,
    kSpdDownId,
    kButton3Id,  // デフォルトに戻す
    kHotKey2Id,
    kCheckBox1Id,
    kCheckBox2Id,
    kCheckBox3Id,
    kCheckBox4Id,
    kCheckBox5Id,
    kSpinEdit1Id,
    kBitBtn3Id,  // 入力履歴の消去
  };
  // The tabs, left to right.
  enum Page : int { kCommandsPage = 0, kOthersPage = 1 };
  // As many as the rows of their tables (settings_form_design.h).
  static constexpr std::size_t kSmallButtonCount = 6;
  static constexpr std::size_t kCheckBoxCount = 5;

  // `icon` stands on its caption and on its task-bar button.
  bool Create(HWND owner, HICON icon = nullptr);
  void SetController(SettingsDialog* controller) { controller_ = controller; }

  // SettingsDialogView
  void ShowDialog(const DialogOptions& options) override;

  // CommandRowsView
  void ShowEntries(const std::vector<CommandEntry>& entries) override;
  int SelectedRow() const override { return list_view1_.Selected(); }
  void SelectRow(int row) override;

 protected:
  LRESULT OnMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
  void OnCommand(int id, int code) override;
  void OnContextMenu(POINT at) override;
  // The context menu's shortcuts, Ctrl+Ins and Ctrl+Del, from every control.
  bool OnKeyPreview(UINT key) override;
  // Refuses while a modal window (the editor, a message box) is up over the
  // dialog; else agrees, and the closing's work runs here, before the window
  // hides.
  bool OnCloseQuery() override;

 private:
  // Made and placed (settings_form_layout.cpp).
  void CreateCommandsPage();
  void CreateOthersPage();
  void CreateButtons();
  void CreatePopupMenu();
  void FormResize();
  // Small enough to shrink, large enough that the strips' buttons stay apart.
  static void LimitSize(MINMAXINFO& limits);
  void LayoutCommandsPage(const RECT& page);
  void LayoutOthersPage(const RECT& page);
  void ShowPage(int page);
  // The background of a label or check box on a page (WM_CTLCOLORSTATIC).
  LRESULT PaintPageUnder(HWND control, HDC dc);

  void PutOptions(const DialogOptions& options);
  DialogOptions ReadOptions();
  void ShowHistoryLimit(int limit);
  void FormClose();
  void SpinEdit1Exit();
  // A button of the strip or an item of the context menu (tagged with the id
  // of the button that does the same): false when `id` names neither.
  bool RunPageOperation(int id);
  void PopupMenu1Click(int tag) { RunPageOperation(tag); }
  LRESULT OnNotify(const NMHDR& header);
  void FileDrop1DropFiles(const std::vector<std::string>& fnames);
  void ListView1StartDrag(int row);
  void ListView1DragDrop(int target);
  CommandPage* Commands() const { return controller_ ? &controller_->page() : nullptr; }

  SettingsDialog* controller_ = nullptr;
  int modal_result_ = IDCANCEL;
  bool shown_ = false;

  framework::TabControl page_control1_;
  framework::ListView list_view1_;
  // Indexed like kSmallButtons: SpdEdit, spdHorizon, spdAdd, spdDelete,
  // spdUp, spdDown.
  std::array<framework::Button, kSmallButtonCount> small_buttons_;
  framework::Button button3_;
  framework::Control label_scan_;
  KeyCombinationField hot_key2_;
  std::array<framework::Button, kCheckBoxCount> check_boxes_;
  framework::Control label_history_;
  framework::SpinEdit spin_edit1_;
  framework::Control label_restart_;
  framework::Button bit_btn3_;
  framework::Button bit_btn1_;
  framework::Button bit_btn2_;
  // The controls of each tab, shown while it is selected.
  std::array<std::vector<HWND>, 2> pages_;
  std::vector<framework::ScopedBitmap> pictures_;
  framework::PopupMenu popup_menu1_;
  TFileDrop file_drop1_;
  RowDrag row_drag_;
  // After the editor or a message box the keys go where they went before.
  framework::FocusMemory focus_;
};

}  // namespace vyr

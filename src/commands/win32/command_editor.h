// TForm7 (the command editor): the modal dialog in which the five fields of
// one Command entry are edited.
#pragma once

#include <string>

#include "commands/browse_rules.h"
#include "commands/command_page.h"
#include "framework/controls.h"
#include "framework/focus_memory.h"
#include "framework/window.h"
#include "ui/win32/key_combination_field.h"

namespace vyr {

class TForm7 final : public framework::Window, public CommandEditorView {
 public:
  // Made hidden, once; each edit shows it again.
  bool Create(HWND owner);
  // Fills the fields from `entry`, shows the editor modally and, when it is
  // closed with OK, reads the fields back into `entry`.
  bool Edit(CommandEntry& entry) override;

 protected:
  LRESULT OnMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
  void OnCommand(int id, int code) override;

 private:
  void Fill(const CommandEntry& entry);
  CommandEntry Read() const;
  void ShowTexts(const CommandEntry& texts);
  void Browse(BrowseFor target);
  void Button1Click() { Browse(BrowseFor::kProgram); }
  void Button2Click() { Browse(BrowseFor::kParameters); }
  void Button3Click() { Browse(BrowseFor::kDirectory); }

  framework::Control edit1_;  // title
  framework::Control edit2_;  // program
  framework::Control edit3_;  // parameters
  framework::Control edit4_;  // initial directory
  KeyCombinationField hot_key1_;
  // OpenDialog1 starts from the file chosen last.
  std::string open_dialog1_file_;
  // The field being edited keeps the focus across the file dialog.
  framework::FocusMemory focus_;
};

}  // namespace vyr

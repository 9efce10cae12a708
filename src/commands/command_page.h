// What the settings dialog's command page does to the Command list: edit,
// add, remove, move, separate, drag, a dropped file, and the reset to the
// default list. Every change goes to the list at once; the page's list
// shows it afterwards.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "commands/command_list.h"
#include "settings/settings_file.h"
#include "ui/warning_box.h"
#include "ui/yes_no_box.h"

namespace vyr {

// The page's report list: one row per entry, one row selected at a time.
class CommandRowsView {
 public:
  virtual ~CommandRowsView() = default;
  virtual void ShowEntries(const std::vector<CommandEntry>& entries) = 0;
  // The selected row, or -1 for none.
  virtual int SelectedRow() const = 0;
  // -1 selects none.
  virtual void SelectRow(int row) = 0;
};

// The command editor, shown modally over `entry`.
class CommandEditorView {
 public:
  virtual ~CommandEditorView() = default;
  // True when closed with OK, `entry` then holding the five fields read back.
  virtual bool Edit(CommandEntry& entry) = 0;
};

struct CommandPageViews {
  CommandRowsView& rows;
  CommandEditorView& editor;
  WarningBox& warnings;
  YesNoBox& questions;
};

class CommandPage {
 public:
  CommandPage(CommandList& commands, CommandPageViews views) : commands_(commands), views_(views) {}

  // True when the editor was closed with OK.
  bool EditSelected();
  void AddEntry();
  void RemoveSelected();
  void MoveUp() { MoveSelected(-1); }
  void MoveDown() { MoveSelected(+1); }
  void InsertSeparator();
  // The selected row dropped on row `target`.
  void DropRowOn(int target);
  // Files dropped on the dialog: exactly one becomes a new entry.
  void DropFiles(const std::vector<std::string>& paths);
  // Asks first; the list goes to the file at once. Raises SettingsWriteError.
  void ResetToDefault(SettingsFile& file);

 private:
  std::optional<std::size_t> Selected() const;
  void MoveSelected(int step);
  // Appends `entry`, selects it and edits it; a cancelled edit takes it away.
  void AddAndEdit(CommandEntry entry);
  void Show(int selected);

  CommandList& commands_;
  CommandPageViews views_;
};

// The entry a dropped file makes: its name without the last extension as
// the title, the file as the program, its directory (with its "\") as the
// initial directory.
CommandEntry EntryForFile(const std::string& path);

}  // namespace vyr

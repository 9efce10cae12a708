#include "commands/command_page.h"

#include "commands/browse_rules.h"
#include "commands/commands_texts.h"

namespace vyr {

std::optional<std::size_t> CommandPage::Selected() const {
  const int row = views_.rows.SelectedRow();
  if (row < 0 || static_cast<std::size_t>(row) >= commands_.size()) return std::nullopt;
  return static_cast<std::size_t>(row);
}

void CommandPage::Show(int selected) {
  views_.rows.ShowEntries(commands_.entries());
  views_.rows.SelectRow(selected);
}

bool CommandPage::EditSelected() {
  const std::optional<std::size_t> selected = Selected();
  if (!selected) return false;
  CommandEntry entry = commands_[*selected];
  if (!views_.editor.Edit(entry)) return false;
  // The editor's loop ran messages: the list must still have the place.
  if (*selected >= commands_.size()) return false;
  commands_[*selected] = std::move(entry);
  Show(static_cast<int>(*selected));
  return true;
}

void CommandPage::AddAndEdit(CommandEntry entry) {
  commands_.Add(std::move(entry));
  const int added = static_cast<int>(commands_.size() - 1);
  Show(added);
  if (EditSelected()) return;
  if (static_cast<std::size_t>(added) < commands_.size()) {
    commands_.Remove(static_cast<std::size_t>(added));
  }
  Show(-1);
}

void CommandPage::AddEntry() { AddAndEdit({texts::kUntitled, "", "", "", ""}); }

void CommandPage::RemoveSelected() {
  const std::optional<std::size_t> selected = Selected();
  if (!selected) return;
  if (commands_.size() <= 1) {
    views_.warnings.ShowWarning(texts::kKeepOneCommand);
    return;
  }
  const std::string question =
      texts::kRemoveCommandBefore + commands_[*selected].title + texts::kRemoveCommandAfter;
  if (!views_.questions.AskYesNo(question)) return;
  commands_.Remove(*selected);
  Show(-1);
}

void CommandPage::MoveSelected(int step) {
  const std::optional<std::size_t> selected = Selected();
  if (!selected) return;
  const long long neighbour = static_cast<long long>(*selected) + step;
  if (neighbour < 0 || neighbour >= static_cast<long long>(commands_.size())) return;
  std::swap(commands_[*selected], commands_[static_cast<std::size_t>(neighbour)]);
  // The selection goes with the moved entry.
  Show(static_cast<int>(neighbour));
}

void CommandPage::InsertSeparator() {
  const std::optional<std::size_t> selected = Selected();
  commands_.Insert(selected.value_or(commands_.size()), {"-", "", "", "", ""});
  Show(-1);
}

void CommandPage::DropRowOn(int target) {
  const std::optional<std::size_t> selected = Selected();
  if (!selected || target < 0 || static_cast<std::size_t>(target) >= commands_.size()) return;
  const std::size_t source = *selected;
  // Moved down it lands below the target, moved up above it; on itself it stays.
  std::size_t place = static_cast<std::size_t>(target);
  if (place > source) ++place;
  commands_.Insert(place, commands_[source]);
  commands_.Remove(place <= source ? source + 1 : source);
  Show(-1);
}

void CommandPage::DropFiles(const std::vector<std::string>& paths) {
  if (paths.size() != 1) {
    views_.warnings.ShowWarning(texts::kDropOneAtATime);
    return;
  }
  AddAndEdit(EntryForFile(paths.front()));
}

void CommandPage::ResetToDefault(SettingsFile& file) {
  if (!views_.questions.AskYesNo(texts::kResetCommandList)) return;
  // The list is shown anew even when the save fails midway.
  struct ShowAfter {
    CommandPage& page;
    ~ShowAfter() { page.Show(-1); }
  } show_after{*this};
  commands_.ResetToDefault(file);
}

CommandEntry EntryForFile(const std::string& path) {
  CommandEntry entry;
  entry.directory = DirectoryPart(path);
  const std::string name = path.substr(entry.directory.size());
  const std::size_t dot = name.rfind('.');
  entry.title = dot == std::string::npos || dot == 0 ? name : name.substr(0, dot);
  entry.program = path;
  return entry;
}

}  // namespace vyr

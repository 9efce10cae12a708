// The settings dialog's command list ("rows: a, b | selected 1") and the
// command editor ("edit TITLE", answered with `answer` and `edited`).
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "commands/command_page.h"
#include "fakes/effect_log.h"

namespace vyr::test {

class FakeCommandRows final : public CommandRowsView, LogsEffects {
 public:
  using LogsEffects::LogsEffects;
  std::vector<std::string> titles;
  int selected = -1;
  void ShowEntries(const std::vector<CommandEntry>& entries) override {
    titles.clear();
    for (const CommandEntry& entry : entries) titles.push_back(entry.title);
  }
  int SelectedRow() const override { return selected; }
  void SelectRow(int row) override { selected = row; }
};

class FakeCommandEditor final : public CommandEditorView, LogsEffects {
 public:
  using LogsEffects::LogsEffects;
  bool answer = true;
  std::optional<CommandEntry> edited;  // what OK reads back; the entry as given when unset
  CommandEntry shown;
  bool Edit(CommandEntry& entry) override {
    Log("edit " + entry.title);
    shown = entry;
    if (answer && edited) entry = *edited;
    return answer;
  }
};

}  // namespace vyr::test

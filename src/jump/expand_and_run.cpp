#include "jump/expand_and_run.h"

#include "jump/jump_texts.h"
#include "jump/macro_expansion.h"

namespace vyr {

void ExpandAndRun::Run(std::string_view directory, std::string_view input) {
  if (!settings_.history_takes_input) history_.Add(directory, settings_.history_limit);
  const CommandEntry* command = ChosenCommand();
  if (command == nullptr) {
    warnings_.ShowWarning(texts::kNoCommandToRun);
    return;
  }
  if (command->IsSeparator()) {
    warnings_.ShowWarning(texts::kSeparatorCannotRun);
    return;
  }
  // The expanded line goes to the shell whole: cutting it would start
  // something other than what the user asked for.
  const std::string parameters = ExpandParameters(command->parameters, directory, input);
  shell_.Execute(command->program, parameters, command->directory);
  if (mode_.one_shot) main_.Close();
}

const CommandEntry* ExpandAndRun::ChosenCommand() const {
  const bool current = settings_.tray_mode || mode_.one_shot;
  return commands_.At(current ? mode_.current_command : 0);
}

}  // namespace vyr

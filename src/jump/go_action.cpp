#include "jump/go_action.h"

#include "base/sjis.h"
#include "jump/jump_texts.h"

namespace vyr {

void GoAction::Go(std::string_view typed, std::string_view mini_input) {
  results_.clear();
  if (settings_.history_takes_input) history_.Add(Trim(typed), settings_.history_limit);
  const LookupOutcome outcome = Lookup(typed, index_, drives_, results_);
  switch (outcome.kind) {
    case LookupKind::kDirectOpen:
      if (!settings_.history_takes_input) history_.Add(outcome.text, settings_.history_limit);
      shell_.Open(outcome.text);
      return;
    case LookupKind::kScanFirst:
      warnings_.ShowWarning(texts::kScanFirst);
      return;
    case LookupKind::kNothing:
      return;
    case LookupKind::kCandidates:
      break;
  }
  if (results_.empty()) {
    warnings_.ShowWarning(outcome.text + texts::kNotFound);
    return;
  }
  if (results_.size() == 1) {
    run_.Run(results_.front(), mini_input);
    return;
  }
  const std::optional<std::size_t> chosen = chooser_.Choose(results_);
  if (chosen && *chosen < results_.size()) run_.Run(results_[*chosen], mini_input);
}

}  // namespace vyr

#include "jump/go_action.h"

#include "base/sjis.h"
#include "jump/jump_texts.h"

namespace vyr {

void GoAction::Go(std::string_view typed, std::string_view mini_input) {
  results_.clear();
  if (settings_.history_takes_input) history_.Add(Trim(typed), settings_.history_limit);
  const LookupRequest request = ReadTypedText(typed);
  if (request.direct_open) {
    if (!settings_.history_takes_input) history_.Add(request.text, settings_.history_limit);
    shell_.Open(request.text);
    return;
  }
  // The switch comes before the search, which then reads the new drive's
  // index; it stays even when nothing is found.
  if (request.drive != 0) drives_.SelectDrive(request.drive);
  const LookupOutcome outcome = Search(request.text, index_, drives_.CurrentLetter(), results_);
  switch (outcome.kind) {
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

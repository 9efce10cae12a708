#include "tools/vyr-cli/candidate_choice.h"

#include <string>

#include "base/sjis.h"

namespace vyr::cli {
namespace {

// Full-width digits, as an input method left on gives them: 0x82 0x4F-0x58.
std::optional<int> DigitAt(std::string_view text, std::size_t pos) {
  const auto byte = [&](std::size_t at) { return static_cast<unsigned char>(text[at]); };
  if (byte(pos) >= '0' && byte(pos) <= '9') return byte(pos) - '0';
  if (byte(pos) == 0x82 && pos + 1 < text.size() && byte(pos + 1) >= 0x4F &&
      byte(pos + 1) <= 0x58) {
    return byte(pos + 1) - 0x4F;
  }
  return std::nullopt;
}

std::string NumberedList(const std::vector<std::string>& candidates) {
  const std::size_t width = std::to_string(candidates.size()).size();
  std::string list;
  for (std::size_t k = 0; k < candidates.size(); ++k) {
    const std::string number = std::to_string(k + 1);
    list.append(width - number.size(), ' ').append(number).append(") ");
    list.append(candidates[k]).append("\n");
  }
  return list;
}

}  // namespace

std::optional<std::size_t> ChosenIndex(std::string_view answer, std::size_t count) {
  const std::string_view number = Trim(answer);
  if (number.empty()) return std::nullopt;
  std::size_t value = 0;
  for (std::size_t pos = 0; pos < number.size(); pos += CharLength(number, pos)) {
    const std::optional<int> digit = DigitAt(number, pos);
    if (!digit) return std::nullopt;
    value = value * 10 + static_cast<std::size_t>(*digit);
    if (value > count) return std::nullopt;  // also keeps a long answer from overflowing
  }
  if (value == 0) return std::nullopt;
  return value - 1;
}

int PrintPicked(const std::vector<std::string>& candidates, const Console& console) {
  std::optional<std::size_t> chosen;
  if (candidates.size() == 1) {
    chosen = 0;
  } else if (console.ask) {
    const std::optional<std::string> answer = console.ask(NumberedList(candidates) + kChoicePrompt);
    if (answer) chosen = ChosenIndex(*answer, candidates.size());
  }
  if (!chosen) return kExitNoChoice;
  console.out << candidates[*chosen] << '\n';
  return kExitFound;
}

}  // namespace vyr::cli

#include "jump/win32/completing_input_box.h"

#include <utility>

#include "base/sjis.h"
#include "jump/completion.h"

namespace vyr {
namespace {

// Enter presses the default button; it never types into the box.
constexpr WPARAM kEnter = 0x0D;

}  // namespace

void CompletingInputBox::Attach(framework::ComboBox box) {
  const bool was_on = on();
  SetOn(false);
  box_ = box;
  SetOn(was_on);
}

void CompletingInputBox::SetOn(bool on) {
  pending_lead_ = 0;
  if (on) {
    Install(box_.Edit());
  } else {
    Remove();
  }
}

LRESULT CompletingInputBox::OnMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  if (message != WM_CHAR || wparam == kEnter) return Default(message, wparam, lparam);
  const std::string typed = TypedCharacter(wparam);
  if (typed.empty()) return 0;  // the first half of a character: wait for the second
  if (CompleteTyped(typed)) return 0;
  PassOn(typed, wparam, lparam);
  return 0;
}

std::string CompletingInputBox::TypedCharacter(WPARAM wparam) {
  // The subclass gets the messages in the edit's own kind: UTF-16 for a
  // wide edit (Wine's, for one), bytes for an ANSI edit.
  if (IsWindowUnicode(window())) {
    const auto wide = static_cast<wchar_t>(wparam);
    char bytes[4] = {};
    const int length =
        WideCharToMultiByte(CP_ACP, 0, &wide, 1, bytes, sizeof bytes, nullptr, nullptr);
    return length > 0 ? std::string(bytes, static_cast<std::size_t>(length)) : std::string();
  }
  const char byte = static_cast<char>(wparam & 0xFF);
  if (pending_lead_ != 0) {
    const std::string character{std::exchange(pending_lead_, 0), byte};
    return character;
  }
  if (!IsLeadByte(static_cast<unsigned char>(byte))) return std::string(1, byte);
  // A double-byte character is taken whole: its second byte is fetched from
  // the pending input, or waited for when the system hands it on by itself.
  MSG next;
  if (PeekMessageA(&next, window(), WM_CHAR, WM_CHAR, PM_REMOVE)) {
    return std::string{byte, static_cast<char>(next.wParam & 0xFF)};
  }
  pending_lead_ = byte;
  return {};
}

bool CompletingInputBox::CompleteTyped(const std::string& typed) {
  std::size_t start = 0;
  std::size_t end = 0;
  box_.GetEditSelection(start, end);
  const framework::ComboBox box = box_;
  const FindInList find = [box](std::string_view prefix) -> std::optional<ListEntry> {
    const int found = box.FindPrefix(prefix);
    if (found < 0) return std::nullopt;
    return ListEntry{static_cast<std::size_t>(found), box.Item(found)};
  };
  const auto completed = Complete(box_.Text(), start, end > start ? end - start : 0, typed, find);
  if (!completed) return false;
  box_.Select(static_cast<int>(completed->entry));
  box_.SetText(completed->text);
  box_.SetEditSelection(completed->selection_start,
                        completed->selection_start + completed->selection_length);
  return true;
}

void CompletingInputBox::PassOn(const std::string& typed, WPARAM wparam, LPARAM lparam) {
  if (IsWindowUnicode(window())) {
    Default(WM_CHAR, wparam, lparam);
    return;
  }
  for (char byte : typed) Default(WM_CHAR, static_cast<unsigned char>(byte), lparam);
}

}  // namespace vyr

#include "jump/win32/completing_input_box.h"

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
  if (on) {
    Install(box_.Edit());
  } else {
    Remove();
  }
}

LRESULT CompletingInputBox::OnMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  if (message != WM_CHAR || wparam == kEnter) return Default(message, wparam, lparam);
  if (CompleteTyped(TypedCharacter(wparam))) return 0;
  return Default(message, wparam, lparam);
}

std::string CompletingInputBox::TypedCharacter(WPARAM wparam) {
  // The subclass is a wide one: a double-byte character comes whole.
  const auto wide = static_cast<wchar_t>(wparam);
  char bytes[4] = {};
  const int length = WideCharToMultiByte(CP_ACP, 0, &wide, 1, bytes, sizeof bytes, nullptr, nullptr);
  return length > 0 ? std::string(bytes, static_cast<std::size_t>(length)) : std::string();
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

}  // namespace vyr

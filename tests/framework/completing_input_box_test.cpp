// Completion on the platform's own editable combo box, typed into as the
// keyboard does (WM_CHAR to its edit, UTF-16 under the wide message loop),
// with the box's own search, under Wine.
#include "jump/win32/completing_input_box.h"

#include <gtest/gtest.h>

#include "framework/window.h"

namespace vyr {
namespace {

const std::string kSha = "\x8E\xCA";                   // 写
const std::string kShashin = "\x8E\xCA\x90\x5E\x83\x74\x83\x48\x83\x8B\x83\x5F";  // 写真フォルダ
const std::string kYama = "\x8E\x52";                  // 山
const std::string kKa = "\x83\x4A";                    // カ: second byte J
const std::string kNi = "\x83\x6A";                    // ニ: second byte j

class CompletingInputBoxTest : public ::testing::Test {
 protected:
  void SetUp() override {
    framework::WindowArgs args;
    args.class_name = "VyrCompletionTest";
    if (!window_.Create(args)) GTEST_SKIP() << "no windows without a display here";
    box_ = framework::ComboBox(framework::CreateControl(
        window_.hwnd(), {"COMBOBOX", "", CBS_DROPDOWN | CBS_AUTOHSCROLL, 0, 0, 200, 200, 1}));
    for (const std::string& entry : {std::string("abcdef"), kShashin, kNi + "x", std::string("`a"),
                                     std::string("win32")}) {
      box_.Add(entry);
    }
    completing_.Attach(box_);
    completing_.SetOn(true);

  }

  // Types one character, as the keyboard does under the wide loop.
  void Type(wchar_t character) { SendMessageW(box_.Edit(), WM_CHAR, character, 1); }
  void Type(const std::string& sjis) {
    wchar_t wide[4] = {};
    const int length = MultiByteToWideChar(932, 0, sjis.data(), static_cast<int>(sjis.size()), wide, 4);
    for (int k = 0; k < length; ++k) Type(wide[k]);
  }
  void Restart() {
    box_.SetText("");
    box_.SetEditSelection(0, 0);
  }
  std::string Selection() const {
    std::size_t start = 0;
    std::size_t end = 0;
    box_.GetEditSelection(start, end);
    return std::to_string(start) + " " + std::to_string(end);
  }

  framework::Window window_;
  framework::ComboBox box_;
  CompletingInputBox completing_;
};

TEST_F(CompletingInputBoxTest, CompletesFromTheListAsTheUserTypes) {
  struct Case {
    std::string typed;
    std::string text;
    std::string selection;  // in bytes
  };
  const Case cases[] = {
      {"a", "abcdef", "1 6"},
      {"ab", "abcdef", "2 6"},
      {"aX", "aX", "2 2"},  // the selected rest is replaced, and aX begins nothing
      {"A", "Abcdef", "1 6"},  // the case typed stays
      {"W", "Win32", "1 5"},
      {kSha, kShashin, "2 12"},  // a double-byte character arrives whole
      {kSha + kYama, kSha + kYama, "4 4"},
      {kYama + "x" + kYama, kYama + "x" + kYama, "5 5"},  // nothing begins so: as typed
      // The box's search compares characters: a second byte never folds, and
      // only letters have a case.
      {kKa, kKa, "2 2"},
      {"@", "@", "1 1"},
  };
  for (const Case& c : cases) {
    Restart();
    Type(c.typed);
    EXPECT_EQ(box_.Text(), c.text) << c.typed;
    EXPECT_EQ(Selection(), c.selection) << c.typed;
  }
}

TEST_F(CompletingInputBoxTest, BackspaceNeverCompletesAndOffTypesPlainly) {
  Restart();
  Type("a");
  Type(L'\b');  // deletes the selected rest
  EXPECT_EQ(box_.Text(), "a");
  completing_.SetOn(false);
  EXPECT_FALSE(completing_.on());
  Restart();
  Type("a" + kSha);
  EXPECT_EQ(box_.Text(), "a" + kSha);
  completing_.SetOn(true);
  Restart();
  Type("w");
  EXPECT_EQ(box_.Text(), "win32");
}

}  // namespace
}  // namespace vyr

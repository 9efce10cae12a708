// The exit save on one settings file, for exit_save_kill.sh, which kills this
// program at random moments and then looks at the file.
//
//   exit_save_loop PATH A|B               one exit save with the values A or
//                                         B; prints the milliseconds it took
//   exit_save_loop PATH loop READY A|B    makes the file READY, then saves
//                                         from A or B on, turn about, until
//                                         killed (or two minutes pass)
//
// A and B differ in every value but write the same keys, so that after any
// number of saves the file is byte for byte what the last one made of it.
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "settings/settings_keys.h"

namespace {

struct Save {
  vyr::SettingsValues values;
  std::vector<std::string> history;
};

Save MakeSave(char which) {
  const int step = which == 'A' ? 1 : 2;
  Save save;
  save.values.main_top = 100 * step;
  save.values.main_left = 110 * step;
  save.values.main_width = 400 * step;
  save.values.chooser_top = 120 * step;
  save.values.mini_width = 260 * step;
  save.values.tray_mode = step == 2;
  save.values.swap_menus = step == 1;
  save.values.history_limit = 16 * step;
  for (int k = 0; k < 16; ++k) {
    save.history.push_back(std::string(1, which) + ":\\history\\entry " + std::to_string(k));
  }
  return save;
}

void ExitSaveOnce(const std::string& path, char which) {
  vyr::SettingsFile file = vyr::OpenSettingsFile(path);
  const Save save = MakeSave(which);
  vyr::ExitSave(file, save.values, save.history);
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv, argv + argc);
  auto is_save = [](const std::string& arg) { return arg == "A" || arg == "B"; };
  if (args.size() == 3 && is_save(args[2])) {
    const auto start = std::chrono::steady_clock::now();
    ExitSaveOnce(args[1], args[2][0]);
    const auto took = std::chrono::steady_clock::now() - start;
    std::printf("%lld\n", static_cast<long long>(
                              std::chrono::duration_cast<std::chrono::milliseconds>(took).count()));
    return 0;
  }
  if (args.size() == 5 && args[2] == "loop" && is_save(args[4])) {
    const vyr::platform::FileWrite ready{args[3], "ready"};
    if (!vyr::platform::RealFileSystem().ReplaceFiles({&ready, 1})) return 1;
    // Stops by itself, should the test that kills it be gone.
    const auto end = std::chrono::steady_clock::now() + std::chrono::minutes(2);
    for (char save = args[4][0]; std::chrono::steady_clock::now() < end;
         save = save == 'A' ? 'B' : 'A') {
      ExitSaveOnce(args[1], save);
    }
    return 0;
  }
  std::fprintf(stderr, "usage: exit_save_loop PATH A|B, or exit_save_loop PATH loop READY A|B\n");
  return 2;
}

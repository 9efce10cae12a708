// What makes "vj TEXT" a command of a shell: a function that runs
// "vyr-cli find --all-drives --native --pick -- TEXT" and changes the shell's
// directory to what it prints.
#pragma once

#include <string>
#include <string_view>

namespace vyr::cli {

// True for "bash", "powershell" and "cmd".
bool HasInitScript(std::string_view shell);

// The text for `shell` (one HasInitScript knows) that calls the program at
// `program_path`; Shift-JIS, lines ending in "\n" alone.
std::string InitScript(std::string_view shell, std::string_view program_path);

// vj.cmd as it ships beside the program, without its CRs.
std::string ShippedVjCmd();

}  // namespace vyr::cli

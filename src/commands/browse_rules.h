// What the command editor's three browse buttons make of the file chosen in
// the file-open dialog.
#pragma once

#include <string>
#include <string_view>

#include "commands/command_entry.h"

namespace vyr {

enum class BrowseFor { kProgram, kParameters, kDirectory };

// The file dialog's filter choice each button opens with, counted from 1:
// programs for the program, everything for the other two.
int BrowseFilterChoice(BrowseFor target);

// The directory part of a full file name with its trailing "\", cut at the
// last "\" that is a character of its own; empty when there is none.
std::string DirectoryPart(std::string_view path);

// Puts the chosen `file` into the editor's texts:
//   program    - the program becomes `file`, the initial directory its
//                directory, whatever was typed there;
//   parameters - `file` is appended, with nothing between;
//   directory  - the initial directory becomes the file's directory.
// The hot key and the title are never touched.
void TakeBrowsedFile(BrowseFor target, std::string_view file, CommandEntry& texts);

}  // namespace vyr

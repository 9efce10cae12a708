// Turning typed text into candidate directories.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "index/loaded_index.h"

namespace vyr {

enum class LookupKind {
  kScanFirst,   // no index is loaded
  kNothing,     // the search text is empty
  kCandidates,  // text: the final search text; the paths were appended
};

struct LookupOutcome {
  LookupKind kind;
  std::string text;
};

// The typed text read before any index is: an address to open directly, or
// a search text with the drive a prefix names. Selecting that drive (which
// reloads the index) is the caller's, before the search.
struct LookupRequest {
  bool direct_open = false;  // text: the typed text trimmed, in its typed case
  char drive = 0;            // a drive prefix's letter, upper case; 0 for none
  std::string text;          // otherwise the search text, the prefix taken off
};

LookupRequest ReadTypedText(std::string_view typed);

// A rooted path ("\dir") or a network path ("\\server\share"): Search gives
// it back as a path and reads no index.
bool NamesItsOwnPlace(std::string_view search);

// Searches `search` (a request's text) in `index`, the index of the drive
// `drive_letter` shown now. Appends candidate paths to `results`.
LookupOutcome Search(std::string_view search, const LoadedIndex& index, char drive_letter,
                     std::vector<std::string>& results);

// Every path whose upper-cased form holds `fragment` such that no "\"
// follows its first occurrence, in list order.
void FindPathFragment(std::string_view fragment, const StringList& paths,
                      std::vector<std::string>& results);

// The paths of every name that begins with `prefix`, in name order, found by
// bisection over the sorted names.
void FindNamePrefix(std::string_view prefix, const LoadedIndex& index,
                    std::vector<std::string>& results);

}  // namespace vyr

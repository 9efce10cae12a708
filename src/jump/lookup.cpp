#include "jump/lookup.h"

#include "base/sjis.h"
#include "platform/upper_case.h"
#include "jump/fragment_filter.h"

namespace vyr {
namespace {

std::string_view Key(const StringList& names, std::size_t k, std::size_t length) {
  return names[k].substr(0, length);
}

LookupOutcome Candidates(std::string_view search) {
  return {LookupKind::kCandidates, std::string(search)};
}

// The rooted form: the drive box's drive with the path, one trailing "\" off.
std::string RootedPath(std::string_view search, char drive_letter) {
  if (EndsWithChar(search, '\\')) search.remove_suffix(1);
  std::string path{drive_letter, ':'};
  path.append(search);
  return path;
}

}  // namespace

LookupRequest ReadTypedText(std::string_view typed) {
  const std::string upper = UpperCase(typed);
  std::string_view search = Trim(upper);
  LookupRequest request;
  const std::size_t colon = search.find(':');
  if (colon == 1) {
    request.drive = search[0];
    search.remove_prefix(2);
  } else if (colon != kNotFound) {
    request.direct_open = true;
    request.text = Trim(typed);
    return request;
  }
  request.text = search;
  return request;
}

bool NamesItsOwnPlace(std::string_view search) { return search.starts_with('\\'); }

LookupOutcome Search(std::string_view search, const LoadedIndex& index, char drive_letter,
                     std::vector<std::string>& results) {
  if (NamesItsOwnPlace(search)) {
    const bool network = search.starts_with("\\\\");
    results.push_back(network ? std::string(search) : RootedPath(search, drive_letter));
    return Candidates(search);
  }
  if (FindChar(search, '\\') != kNotFound) {
    FindPathFragment(search, index.paths, results);
    return Candidates(search);
  }

  if (index.no_index) return {LookupKind::kScanFirst, {}};
  if (search.empty()) return {LookupKind::kNothing, {}};
  FindNamePrefix(search, index, results);
  return Candidates(search);
}

void FindPathFragment(std::string_view fragment, const StringList& paths,
                      std::vector<std::string>& results) {
  const FragmentFilter filter(fragment);
  std::string upper;
  for (std::size_t k = 0; k < paths.size(); ++k) {
    if (!filter.MayHold(paths[k])) continue;
    upper.assign(paths[k]);
    UpperCaseInPlace(upper);
    const std::size_t hit = FindText(upper, fragment);
    if (hit == kNotFound) continue;
    const std::string_view rest = std::string_view(upper).substr(hit + fragment.size());
    if (FindChar(rest, '\\') == kNotFound) results.emplace_back(paths[k]);
  }
}

void FindNamePrefix(std::string_view prefix, const LoadedIndex& index,
                    std::vector<std::string>& results) {
  const StringList& names = index.names;
  const std::size_t length = prefix.size();
  // Signed bounds: hi runs to -1 when every key is greater.
  long long lo = 0;
  long long hi = static_cast<long long>(names.size()) - 1;
  long long mid = (lo + hi) / 2;
  while (hi >= lo) {
    const int order = Key(names, static_cast<std::size_t>(mid), length).compare(prefix);
    if (order <= 0) lo = mid + 1;
    if (order >= 0) hi = mid - 1;
    mid = (lo + hi) / 2;
  }
  if (lo - hi != 2) return;  // no key equalled the prefix

  while (mid >= 0 && Key(names, static_cast<std::size_t>(mid), length) == prefix) --mid;
  const std::size_t count = std::min(names.size(), index.paths.size());
  for (std::size_t k = static_cast<std::size_t>(mid + 1);
       k < count && Key(names, k, length) == prefix; ++k) {
    results.emplace_back(index.paths[k]);
  }
}

}  // namespace vyr

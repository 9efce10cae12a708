#include <windows.h>

#include <cstdlib>
#include <stdexcept>
#include <string>

#include "support/test_tree.h"

namespace vyr::test {
namespace {

void RemoveTree(const std::string& directory) {
  WIN32_FIND_DATAA data;
  HANDLE find = FindFirstFileA((directory + "*.*").c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return;
  do {
    const std::string name = data.cFileName;
    if (name == "." || name == "..") continue;
    const std::string path = directory + name;
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      if (!(data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)) RemoveTree(path + "\\");
      RemoveDirectoryA(path.c_str());
    } else {
      DeleteFileA(path.c_str());
    }
  } while (FindNextFileA(find, &data));
  FindClose(find);
}

}  // namespace

// Drive t: is the test wrapper's own folder; nothing else may be emptied.
TestTree::TestTree() : drive_('t'), native_root_("t:\\") {
  if (std::getenv("VYR_WINE_TREE") == nullptr) {
    throw std::runtime_error("tests that use drive t: run under cmake/wine-run.sh only");
  }
  RemoveTree(native_root_);
}

TestTree::~TestTree() { RemoveTree(native_root_); }

std::string TestTree::MachinePath(std::string_view relative) const {
  return native_root_ + std::string(relative);
}

void TestTree::MakeDirectory(std::string_view relative) {
  std::string path = native_root_;
  std::string rest(relative);
  std::size_t pos = 0;
  while (pos <= rest.size()) {
    std::size_t end = pos;
    while (end < rest.size() && rest[end] != '\\') end += IsDBCSLeadByte(rest[end]) ? 2 : 1;
    path.append(rest, pos, end - pos);
    CreateDirectoryA(path.c_str(), nullptr);
    path += '\\';
    pos = end + 1;
  }
}

void TestTree::MakeFile(std::string_view relative, std::string_view content) {
  const std::string path = native_root_ + std::string(relative);
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
  CloseHandle(file);
}

bool TestTree::MarkSystem(std::string_view relative) {
  const std::string path = native_root_ + std::string(relative);
  if (!SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_DIRECTORY)) {
    return false;
  }
  return (GetFileAttributesA(path.c_str()) & FILE_ATTRIBUTE_SYSTEM) != 0;
}

bool TestTree::MakeDirectoryLink(std::string_view, std::string_view) { return false; }

void TestTree::SetLabel(std::string_view label) {
  MakeFile(".windows-label", std::string(label) + "\n");
}

std::string ScratchDirectory() {
  static const std::string directory = [] {
    char temp[MAX_PATH + 1] = {};
    GetTempPathA(MAX_PATH, temp);
    std::string path = std::string(temp) + "vyr-test-" + std::to_string(GetCurrentProcessId());
    // Wine hands out the same process ids run after run: empty what an
    // earlier run may have left.
    RemoveTree(path + "\\");
    CreateDirectoryA(path.c_str(), nullptr);
    return path + "\\";
  }();
  return directory;
}

}  // namespace vyr::test

#include "support/round_trip.h"

namespace vyr::test {

bool SurvivesCodePageRoundTrip(const std::string& character) {
  wchar_t wide[4] = {};
  const int wide_length = MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, character.data(),
                                              static_cast<int>(character.size()), wide, 4);
  if (wide_length != 1) return false;
  char back[8] = {};
  BOOL defaulted = FALSE;
  const int length = WideCharToMultiByte(CP_ACP, 0, wide, 1, back, 8, nullptr, &defaulted);
  return !defaulted && std::string(back, length) == character;
}

}  // namespace vyr::test

/* vyr-bench-walk.exe: the least a scan must do through the A functions, as
 * the yardstick for vyr-cli.exe scan under Wine. One thread, FindFirstFileA
 * and FindNextFileA on "ROOT\*", depth-first; counts the directories below
 * ROOT (reparse points are entered, as the scanner does) and prints the
 * count. */
#define WIN32_LEAN_AND_MEAN
#include <stdio.h>
#include <string.h>
#include <windows.h>

static unsigned long directories;

static void Walk(char* path, size_t length) {
  if (length + 2 >= MAX_PATH) return;
  memcpy(path + length, "\\*", 3);
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA(path, &found);
  path[length] = '\0';
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    const char* name = found.cFileName;
    if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) continue;
    if (name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'))) continue;
    const size_t name_length = strlen(name);
    if (length + 1 + name_length >= MAX_PATH) continue;
    ++directories;
    path[length] = '\\';
    memcpy(path + length + 1, name, name_length + 1);
    Walk(path, length + 1 + name_length);
    path[length] = '\0';
  } while (FindNextFileA(search, &found));
  FindClose(search);
}

int main(int argc, char** argv) {
  if (argc != 2) {
    fprintf(stderr, "usage: vyr-bench-walk.exe ROOT\n");
    return 2;
  }
  static char path[MAX_PATH + 2];
  size_t length = strlen(argv[1]);
  if (length >= MAX_PATH) return 2;
  memcpy(path, argv[1], length + 1);
  while (length > 0 && path[length - 1] == '\\') path[--length] = '\0';
  Walk(path, length);
  printf("%lu\n", directories);
  return 0;
}

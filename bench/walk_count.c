/* vyr-bench-walk: the least a scan must do on Linux, as the yardstick for
 * vyr-cli scan. One thread, opendir/readdir on full paths, depth-first;
 * counts the directories below ROOT (links are not followed) and prints the
 * count. It keeps nothing, sorts nothing and writes nothing. */
#define _GNU_SOURCE
#include <dirent.h>
#include <stdio.h>
#include <string.h>
#include <sys/stat.h>

static unsigned long long directories;

static void Walk(char* path, size_t length) {
  DIR* dir = opendir(path);
  if (dir == NULL) return;
  struct dirent* entry;
  while ((entry = readdir(dir)) != NULL) {
    const char* name = entry->d_name;
    if (name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'))) continue;
    const size_t name_length = strlen(name);
    if (length + 1 + name_length >= 4096) continue;
    path[length] = '/';
    memcpy(path + length + 1, name, name_length + 1);
    int is_directory = entry->d_type == DT_DIR;
    if (entry->d_type == DT_UNKNOWN) {
      struct stat st;
      is_directory = lstat(path, &st) == 0 && S_ISDIR(st.st_mode);
    }
    if (is_directory) {
      ++directories;
      Walk(path, length + 1 + name_length);
    }
    path[length] = '\0';
  }
  closedir(dir);
}

int main(int argc, char** argv) {
  if (argc != 2) {
    fprintf(stderr, "usage: vyr-bench-walk ROOT\n");
    return 2;
  }
  static char path[4096];
  size_t length = strlen(argv[1]);
  if (length >= sizeof path) return 2;
  memcpy(path, argv[1], length + 1);
  while (length > 1 && path[length - 1] == '/') path[--length] = '\0';
  Walk(path, length);
  printf("%llu\n", directories);
  return 0;
}

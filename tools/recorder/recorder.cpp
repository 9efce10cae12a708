// recorder.exe: the command the end-to-end tests give Vyr. Each start appends
// one line to a log, "CMDLINE<TAB>raw command line<TAB>CWD<TAB>directory\r\n",
// in the bytes the A functions hand us (Shift-JIS on code page 932), and ends.
// The log is VYR_RECORDER_LOG when set, else recorder.log beside the program.
#include <windows.h>

#include <string>

namespace {

// The directory part of a path, cut at the last backslash counted by
// characters: a trail byte of 0x5C (as in "表") is not a separator.
std::string DirectoryOf(const std::string& path) {
  std::string::size_type cut = std::string::npos;
  for (std::string::size_type i = 0; i < path.size(); ++i) {
    if (IsDBCSLeadByte(static_cast<BYTE>(path[i])) && i + 1 < path.size()) {
      ++i;
    } else if (path[i] == '\\') {
      cut = i;
    }
  }
  return cut == std::string::npos ? std::string() : path.substr(0, cut + 1);
}

std::string LogPath() {
  char buffer[32768];
  DWORD length = GetEnvironmentVariableA("VYR_RECORDER_LOG", buffer, sizeof buffer);
  if (length > 0 && length < sizeof buffer) return std::string(buffer, length);
  length = GetModuleFileNameA(nullptr, buffer, sizeof buffer);
  if (length == 0 || length >= sizeof buffer) return "recorder.log";
  return DirectoryOf(std::string(buffer, length)) + "recorder.log";
}

std::string CurrentDirectory() {
  char buffer[32768];
  const DWORD length = GetCurrentDirectoryA(sizeof buffer, buffer);
  return length > 0 && length < sizeof buffer ? std::string(buffer, length) : std::string();
}

// Wine puts an append at the end it saw when the write began, so recorders
// started together could write over each other's line: holding one named mutex
// makes the open, the write and the close of each record one step.
class LogTurn {
 public:
  LogTurn() : mutex_(CreateMutexA(nullptr, FALSE, "Local\\vyr-recorder-log")) {
    if (mutex_) WaitForSingleObject(mutex_, 10000);
  }
  ~LogTurn() {
    if (!mutex_) return;
    ReleaseMutex(mutex_);
    CloseHandle(mutex_);
  }
  LogTurn(const LogTurn&) = delete;
  LogTurn& operator=(const LogTurn&) = delete;

 private:
  HANDLE mutex_;
};

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  const char* raw = GetCommandLineA();
  const std::string record =
      std::string("CMDLINE\t") + (raw ? raw : "") + "\tCWD\t" + CurrentDirectory() + "\r\n";
  const std::string log = LogPath();
  // Another writer holding the file without sharing is waited out for a while.
  const LogTurn turn;
  HANDLE file = INVALID_HANDLE_VALUE;
  for (int attempt = 0; attempt < 200; ++attempt) {
    file = CreateFileA(log.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                       OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE || GetLastError() != ERROR_SHARING_VIOLATION) break;
    Sleep(25);
  }
  if (file == INVALID_HANDLE_VALUE) return 2;
  DWORD written = 0;
  const BOOL ok =
      WriteFile(file, record.data(), static_cast<DWORD>(record.size()), &written, nullptr);
  CloseHandle(file);
  return ok && written == record.size() ? 0 : 1;
}

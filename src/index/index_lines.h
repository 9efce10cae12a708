// The line format of both files of an index pair.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "base/byte_buffer.h"
#include "base/string_list.h"
#include "platform/file_system.h"

namespace vyr {

// Splits at CR LF, a lone CR or a lone LF; a NUL byte ends the content and a
// last line without a line end is still taken. Works inside `content`.
StringList SplitLines(ByteBuffer&& content);

namespace line_scan {

// One bit for each byte of a 64-byte block that is an LF or a CR; `nul` is
// not 0 when the block holds a NUL.
struct BlockMasks {
  std::uint64_t lf = 0;
  std::uint64_t cr = 0;
  std::uint64_t nul = 0;
};

}  // namespace line_scan

// Splits a file as SplitLines does, finding the lines while the file is read.
// A file whose every line ends in CR LF, as every file this program writes
// does, is kept as it was read, line ends and all: nothing is moved. Any
// other file is split by SplitLines when it is finished.
class LineReader final : public platform::ReadObserver {
 public:
  // `wide_scan`: to find the line ends in 32-byte steps where the processor
  // can; false keeps to 16, which every processor the program runs on can.
  explicit LineReader(bool wide_scan = true) : wide_(wide_scan && WideScanWorks()) {}

  void Arrived(const char* content, std::size_t end) override;

  // Makes room for about this many lines before the first piece arrives.
  void Expect(std::size_t lines);

  // The lines of `content`, which the reader saw arrive.
  StringList Finish(ByteBuffer&& content);

 private:
  struct Scan;
  void Take(const line_scan::BlockMasks& masks, std::size_t at, Scan& scan);
  void Block(const char* block, std::size_t at);
  void ScanPortable(const char* content, std::size_t end);
  void ScanWide(const char* content, std::size_t end);
  static bool WideScanWorks();

  bool wide_;
  std::vector<std::uint32_t> starts_{0};
  std::size_t scanned_ = 0;
  std::uint64_t previous_lf_ = 0;
  std::uint64_t previous_cr_ = 0;
  bool crlf_only_ = true;  // no NUL, every CR before an LF, every LF after a CR
};

// Finds the lines of a file on one thread while another reads it, as
// LineReader does. The reading thread hands it to the read as its observer
// and calls ReadEnded once the read has returned, however it returned; the
// other thread calls Follow, which finds the lines of each piece soon after
// it arrives and returns once the read has ended.
class FollowingLineReader final : public platform::ReadObserver {
 public:
  void Starting(void* room, std::size_t size) override;
  void Arrived(const char* content, std::size_t end) override;
  void ReadEnded();
  // `expected_lines`: about how many lines the file holds, if known.
  void Follow(std::size_t expected_lines);

  // The lines of `content`, once Follow has returned; what it did not see
  // arrive is split as SplitLines does.
  StringList Finish(ByteBuffer&& content) { return reader_.Finish(std::move(content)); }

 private:
  // Makes the next pages the read will fill, if the read is not past them.
  bool MakePagesAhead(std::size_t& made);

  std::mutex mutex_;
  std::condition_variable changed_;
  char* room_ = nullptr;
  std::size_t size_ = 0;
  const char* content_ = nullptr;
  std::size_t end_ = 0;
  bool ended_ = false;
  LineReader reader_;  // the following thread's alone until Follow returns
};

// Every entry followed by CR LF.
std::string JoinLines(const StringList& lines);

// The bytes of the file that holds `lines`: the list's own where each of its
// entries already ends in CR LF, as a loaded or scanned index's do, so that
// writing an index does not hold it twice; else joined into `joined`.
std::string_view FileText(const StringList& lines, std::string& joined);

}  // namespace vyr

#include "index/index_lines.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <limits>
#include <stdexcept>

#include "platform/large_pages.h"

#if defined(__SSE2__) || defined(_M_X64) || (defined(_M_IX86_FP) && _M_IX86_FP >= 2)
#include <emmintrin.h>
#define VYR_LINE_MASKS_SSE2 1
#endif
#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
#include <immintrin.h>
#define VYR_LINE_MASKS_AVX2 1
#endif

namespace vyr {
namespace {

constexpr std::size_t kBlock = 64;
constexpr std::size_t kLargestFile = std::numeric_limits<std::uint32_t>::max() - 2;

using line_scan::BlockMasks;

#ifdef VYR_LINE_MASKS_SSE2
std::uint64_t Equal(const __m128i (&parts)[4], __m128i byte) {
  std::uint64_t mask = 0;
  for (int part = 0; part < 4; ++part) {
    const auto bits = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(parts[part], byte)));
    mask |= static_cast<std::uint64_t>(bits) << (16 * part);
  }
  return mask;
}

BlockMasks MasksOf(const char* block) {
  __m128i parts[4];
  for (int part = 0; part < 4; ++part) {
    parts[part] = _mm_loadu_si128(reinterpret_cast<const __m128i*>(block + 16 * part));
  }
  // Only whether there is a NUL matters, not where.
  const __m128i least =
      _mm_min_epu8(_mm_min_epu8(parts[0], parts[1]), _mm_min_epu8(parts[2], parts[3]));
  const auto nul =
      static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(least, _mm_setzero_si128())));
  return {Equal(parts, _mm_set1_epi8('\n')), Equal(parts, _mm_set1_epi8('\r')), nul};
}
#else
BlockMasks MasksOf(const char* block) {
  BlockMasks masks;
  for (std::size_t k = 0; k < kBlock; ++k) {
    const auto byte = static_cast<unsigned char>(block[k]);
    if (byte > '\r') continue;  // nearly every byte: one test, rightly guessed
    const std::uint64_t bit = std::uint64_t{1} << k;
    if (byte == '\n') masks.lf |= bit;
    if (byte == '\r') masks.cr |= bit;
    if (byte == '\0') masks.nul |= bit;
  }
  return masks;
}
#endif


#ifdef VYR_LINE_MASKS_AVX2
// The same masks from two 32-byte halves, where the processor has AVX2.
__attribute__((target("avx2"))) std::uint64_t Equal(__m256i low, __m256i high, __m256i byte) {
  const auto low_bits = static_cast<std::uint32_t>(_mm256_movemask_epi8(_mm256_cmpeq_epi8(low, byte)));
  const auto high_bits =
      static_cast<std::uint32_t>(_mm256_movemask_epi8(_mm256_cmpeq_epi8(high, byte)));
  return low_bits | std::uint64_t{high_bits} << 32;
}

__attribute__((target("avx2"))) BlockMasks MasksOfAvx2(const char* block) {
  const __m256i low = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(block));
  const __m256i high = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(block + 32));
  const __m256i least = _mm256_min_epu8(low, high);
  const auto nul =
      static_cast<std::uint32_t>(_mm256_movemask_epi8(_mm256_cmpeq_epi8(least, _mm256_setzero_si256())));
  return {Equal(low, high, _mm256_set1_epi8('\n')), Equal(low, high, _mm256_set1_epi8('\r')), nul};
}
#endif

}  // namespace

// What a scan carries from one block to the next.
struct LineReader::Scan {
  std::uint64_t previous_lf;
  std::uint64_t previous_cr;
  bool crlf_only;
};

// Takes in one block's masks: its line starts, and whether it keeps to CR LF.
inline void LineReader::Take(const BlockMasks& masks, std::size_t at, Scan& scan) {
  if (masks.nul != 0) scan.crlf_only = false;
  // A CR must stand just before an LF; checked one block late, when the next
  // block's first byte is known.
  if (scan.previous_cr != ((scan.previous_lf >> 1) | (masks.lf << 63))) scan.crlf_only = false;
  scan.previous_lf = masks.lf;
  scan.previous_cr = masks.cr;
  for (std::uint64_t lf = masks.lf; lf != 0; lf &= lf - 1) {
    starts_.push_back(static_cast<std::uint32_t>(at + std::countr_zero(lf) + 1));
  }
}

void LineReader::ScanPortable(const char* content, std::size_t end) {
  Scan scan{previous_lf_, previous_cr_, crlf_only_};
  for (; scan.crlf_only && scanned_ + kBlock <= end; scanned_ += kBlock) {
    Take(MasksOf(content + scanned_), scanned_, scan);
  }
  previous_lf_ = scan.previous_lf;
  previous_cr_ = scan.previous_cr;
  crlf_only_ = scan.crlf_only;
}

#ifdef VYR_LINE_MASKS_AVX2
// ScanPortable's loop again: only a function built for AVX2 may take the AVX2
// masks in, so the loop cannot be shared without a call for every block.
__attribute__((target("avx2"))) void LineReader::ScanWide(const char* content, std::size_t end) {
  Scan scan{previous_lf_, previous_cr_, crlf_only_};
  for (; scan.crlf_only && scanned_ + kBlock <= end; scanned_ += kBlock) {
    Take(MasksOfAvx2(content + scanned_), scanned_, scan);
  }
  previous_lf_ = scan.previous_lf;
  previous_cr_ = scan.previous_cr;
  crlf_only_ = scan.crlf_only;
}

bool LineReader::WideScanWorks() {
  static const bool works = __builtin_cpu_supports("avx2");
  return works;
}
#else
void LineReader::ScanWide(const char* content, std::size_t end) { ScanPortable(content, end); }
bool LineReader::WideScanWorks() { return false; }
#endif

StringList SplitLines(ByteBuffer&& content) {
  if (content.empty()) return StringList();
  if (const void* nul = std::memchr(content.data(), '\0', content.size())) {
    content.Truncate(static_cast<std::size_t>(static_cast<const char*>(nul) - content.data()));
  }
  if (content.size() > kLargestFile) throw std::length_error("index file over 4 GiB");
  std::vector<std::uint32_t> offsets;
  offsets.reserve(content.size() / 32 + 2);
  offsets.push_back(0);

  // Lines are moved down over the line ends as they are found, so the file's
  // own buffer becomes the list's buffer.
  char* const data = content.data();
  const std::size_t size = content.size();
  std::size_t read = 0;
  std::size_t write = 0;
  while (read < size) {
    const char* lf = static_cast<const char*>(std::memchr(data + read, '\n', size - read));
    std::size_t end = lf ? static_cast<std::size_t>(lf - data) : size;
    if (const void* cr = std::memchr(data + read, '\r', end - read)) {
      end = static_cast<std::size_t>(static_cast<const char*>(cr) - data);
    }
    const std::size_t length = end - read;
    if (write != read) std::memmove(data + write, data + read, length);
    write += length;
    offsets.push_back(static_cast<std::uint32_t>(write));
    read = end;
    if (read < size && data[read] == '\r') ++read;
    if (read < size && data[read] == '\n') ++read;
  }
  content.Truncate(write);
  offsets.shrink_to_fit();
  StringList lines;
  lines.Adopt(std::move(content), std::move(offsets));
  return lines;
}

void LineReader::Block(const char* block, std::size_t at) {
  Scan scan{previous_lf_, previous_cr_, crlf_only_};
  Take(MasksOf(block), at, scan);
  previous_lf_ = scan.previous_lf;
  previous_cr_ = scan.previous_cr;
  crlf_only_ = scan.crlf_only;
}

void LineReader::Expect(std::size_t lines) {
  starts_.reserve(lines + 2);
  platform::AdviseLargePages(starts_.data(), starts_.capacity() * sizeof(std::uint32_t));
}

void LineReader::Arrived(const char* content, std::size_t end) {
  if (end > kLargestFile) crlf_only_ = false;
  if (wide_) {
    ScanWide(content, end);
  } else {
    ScanPortable(content, end);
  }
}

StringList LineReader::Finish(ByteBuffer&& content) {
  if (crlf_only_ && content.size() >= scanned_ && content.size() - scanned_ < kBlock) {
    // The last part, padded with a byte that is no line end.
    char tail[kBlock];
    std::memset(tail, 'x', sizeof tail);
    if (content.size() > scanned_) {
      std::memcpy(tail, content.data() + scanned_, content.size() - scanned_);
    }
    Block(tail, scanned_);
    if (previous_cr_ != (previous_lf_ >> 1)) crlf_only_ = false;
  } else {
    crlf_only_ = false;  // not all of it was seen arrive
  }
  if (!crlf_only_) return SplitLines(std::move(content));

  if (starts_.back() != content.size()) {  // the last line has no line end
    content.Append("\r\n");
    starts_.push_back(static_cast<std::uint32_t>(content.size()));
  }
  starts_.shrink_to_fit();
  StringList lines;
  lines.Adopt(std::move(content), std::move(starts_), "\r\n");
  return lines;
}

void FollowingLineReader::Starting(void* room, std::size_t size) {
  const std::lock_guard lock(mutex_);
  room_ = static_cast<char*>(room);
  size_ = size;
}

void FollowingLineReader::Arrived(const char* content, std::size_t end) {
  {
    const std::lock_guard lock(mutex_);
    content_ = content;
    end_ = end;
  }
  changed_.notify_one();
}

void FollowingLineReader::ReadEnded() {
  {
    const std::lock_guard lock(mutex_);
    ended_ = true;
  }
  changed_.notify_one();
}

bool FollowingLineReader::MakePagesAhead(std::size_t& made) {
  // A large page's worth at a time, a little ahead of the read.
  constexpr std::size_t kStep = 2 << 20;
  char* room = nullptr;
  std::size_t from = 0;
  std::size_t to = 0;
  {
    const std::lock_guard lock(mutex_);
    if (room_ == nullptr || ended_) return false;
    from = std::max(made, end_ + kStep);
    to = std::min(from + kStep, size_);
    room = room_;
  }
  if (from >= to || !platform::MakePages(room + from, to - from)) return false;
  made = to;
  return true;
}

void FollowingLineReader::Follow(std::size_t expected_lines) {
  reader_.Expect(expected_lines);
  std::size_t seen = 0;
  // The fresh pages of the file's room each cost a fault and a clearing:
  // while there are no new lines to find, this thread makes the next ones,
  // which the read then only fills.
  std::size_t made = 0;
  bool making = true;
  while (true) {
    const char* content = nullptr;
    std::size_t end = 0;
    {
      std::unique_lock lock(mutex_);
      if (making && end_ == seen && !ended_) {
        lock.unlock();
        making = MakePagesAhead(made);
        continue;
      }
      changed_.wait(lock, [&] { return end_ > seen || ended_; });
      if (end_ == seen) return;  // ended, and all of it seen
      content = content_;
      end = end_;
    }
    // The bytes below `end` stay as they are, at their place, while the
    // read goes on past them.
    reader_.Arrived(content, end);
    seen = end;
  }
}

std::string JoinLines(const StringList& lines) {
  std::string text;
  text.reserve(lines.EntryBytes() + 2 * lines.size());
  for (std::size_t k = 0; k < lines.size(); ++k) {
    text.append(lines[k]);
    text.append("\r\n");
  }
  return text;
}

std::string_view FileText(const StringList& lines, std::string& joined) {
  if (lines.separator() == "\r\n") return lines.Bytes();
  joined = JoinLines(lines);
  return joined;
}

}  // namespace vyr

#include "platform/line_reader.h"

#include <algorithm>
#include <cstring>

namespace quillora {

LineReader::LineReader(ByteSource& source, std::size_t bufferSize)
    : source_(source),
      size_(bufferSize == 0 ? 1 : bufferSize) {
  buffer_.reset(new char[size_]);
}

bool LineReader::Fill() {
  if (pos_ < end_) return true;
  if (eof_) return false;
  const long got = source_.Read(buffer_.get(), size_);
  if (got <= 0) {
    eof_ = true;
    failed_ = failed_ || got < 0;
    return false;
  }
  pos_ = 0;
  end_ = static_cast<std::size_t>(got);
  return true;
}

// A CR may be the first half of CR LF split across two reads.
void LineReader::SkipLfAfterCr() {
  if (!afterCr_) return;
  if (!Fill()) return;
  afterCr_ = false;
  if (buffer_[pos_] == '\n') ++pos_;
}

bool LineReader::AtEnd() {
  SkipLfAfterCr();
  return !Fill();
}

const char* LineReader::EndOfLine() const {
  const char* start = buffer_.get() + pos_;
  const std::size_t avail = end_ - pos_;
  // Look for CR only before the first LF, so each byte is scanned once.
  const char* lf = static_cast<const char*>(std::memchr(start, '\n', avail));
  const std::size_t crSpan = lf ? static_cast<std::size_t>(lf - start) : avail;
  const char* cr = static_cast<const char*>(std::memchr(start, '\r', crSpan));
  return cr ? cr : lf;
}

void LineReader::ReadLine(std::string& line) {
  line.clear();
  SkipLfAfterCr();
  while (Fill()) {
    const char* start = buffer_.get() + pos_;
    const char* stop = EndOfLine();
    if (stop == nullptr) {
      line.append(start, end_ - pos_);
      pos_ = end_;
      continue;
    }
    line.append(start, static_cast<std::size_t>(stop - start));
    pos_ += static_cast<std::size_t>(stop - start) + 1;
    afterCr_ = (*stop == '\r');
    return;
  }
}

bool LineReader::SkipLine(std::string_view pattern) {
  SkipLfAfterCr();
  bool found = pattern.empty();
  // Only a line that spans reads needs the end of the previous read kept,
  // for a match that straddles the two.
  std::string tail;
  while (Fill()) {
    const char* start = buffer_.get() + pos_;
    const char* stop = EndOfLine();
    const std::size_t n = stop ? static_cast<std::size_t>(stop - start) : end_ - pos_;
    const std::string_view here(start, n);
    if (!found) found = here.find(pattern) != std::string_view::npos;
    if (!found && !tail.empty()) {
      found = (tail + std::string(here.substr(0, pattern.size() - 1))).find(pattern) !=
              std::string::npos;
    }
    pos_ += n;
    if (stop != nullptr) {
      ++pos_;
      afterCr_ = (*stop == '\r');
      return found;
    }
    const std::size_t keep = pattern.size() - 1;
    tail += here.substr(n > keep ? n - keep : 0);
    if (tail.size() > keep) tail.erase(0, tail.size() - keep);
  }
  return found;
}

// Within one read, the next CR and the next match are found once and kept
// until the scan passes them, so each line costs one search for its LF.
std::int64_t LineReader::CountLinesHolding(std::string_view pattern, std::int64_t limit) {
  std::int64_t count = 0;
  while (count < limit && !AtEnd()) {
    const char* const end = buffer_.get() + end_;
    const char* start = buffer_.get() + pos_;
    const std::string_view rest(start, end_ - pos_);
    const char* cr = static_cast<const char*>(std::memchr(start, '\r', rest.size()));
    std::size_t at = rest.find(pattern);
    const char* match = at == std::string_view::npos ? nullptr : start + at;
    while (pos_ < end_ && count < limit) {
      start = buffer_.get() + pos_;
      if (afterCr_) {
        afterCr_ = false;
        if (*start == '\n') {
          ++pos_;
          continue;
        }
      }
      const std::size_t avail = static_cast<std::size_t>(end - start);
      if (cr != nullptr && cr < start) cr = static_cast<const char*>(std::memchr(start, '\r', avail));
      if (match != nullptr && match < start) {
        at = std::string_view(start, avail).find(pattern);
        match = at == std::string_view::npos ? nullptr : start + at;
      }
      const char* lf = static_cast<const char*>(std::memchr(start, '\n', avail));
      const char* stop = (cr != nullptr && (lf == nullptr || cr < lf)) ? cr : lf;
      if (stop == nullptr) break;  // the line goes on past this read
      if (match != nullptr && match < stop) ++count;
      pos_ = static_cast<std::size_t>(stop - buffer_.get()) + 1;
      afterCr_ = (*stop == '\r');
    }
    if (count < limit && pos_ < end_ && SkipLine(pattern)) ++count;
  }
  return count;
}

}  // namespace quillora

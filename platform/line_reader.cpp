#include "platform/line_reader.h"

#include <algorithm>
#include <cstring>

namespace quillora {

LineReader::LineReader(ByteSource& source, std::size_t bufferSize)
    : source_(source), buffer_(bufferSize == 0 ? 1 : bufferSize) {}

bool LineReader::Fill() {
  if (pos_ < end_) return true;
  if (eof_) return false;
  const long got = source_.Read(buffer_.data(), buffer_.size());
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
  const char* start = buffer_.data() + pos_;
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
    const char* start = buffer_.data() + pos_;
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
  bool found = false;
  std::string tail;  // the last bytes of the previous read, for a straddling match
  while (Fill()) {
    const char* start = buffer_.data() + pos_;
    const char* stop = EndOfLine();
    const std::size_t n = stop ? static_cast<std::size_t>(stop - start) : end_ - pos_;
    if (!found && !pattern.empty()) {
      const std::string_view here(start, n);
      found = here.find(pattern) != std::string_view::npos;
      if (!found && !tail.empty()) {
        const std::string joined = tail + std::string(here.substr(0, pattern.size() - 1));
        found = joined.find(pattern) != std::string::npos;
      }
      const std::size_t keep = pattern.size() - 1;
      tail += here.substr(n > keep ? n - keep : 0);
      if (tail.size() > keep) tail.erase(0, tail.size() - keep);
    }
    pos_ += n;
    if (stop != nullptr) {
      ++pos_;
      afterCr_ = (*stop == '\r');
      return found;
    }
  }
  return found;
}

}  // namespace quillora

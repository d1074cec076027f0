#pragma once
// Buffered line splitting over any byte source, shared by every backend so
// that all of them agree on what a line is.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace quillora {

class ByteSource {
 public:
  virtual ~ByteSource() = default;
  // Fills up to `size` bytes; returns the count, 0 at the end, -1 on error.
  virtual long Read(char* buffer, std::size_t size) = 0;
};

class LineReader {
 public:
  explicit LineReader(ByteSource& source, std::size_t bufferSize = 64 * 1024);
  bool AtEnd();
  void ReadLine(std::string& line);
  // Moves past the next line without keeping it; true when the line held
  // `pattern` (which may straddle two reads).
  bool SkipLine(std::string_view pattern);
  // Reads lines, without keeping them, until `limit` of them held `pattern`
  // (which must not contain CR or LF) or the end; returns how many did.
  std::int64_t CountLinesHolding(std::string_view pattern,
                                 std::int64_t limit = INT64_MAX);
  bool Failed() const { return failed_; }

 private:
  bool Fill();
  void SkipLfAfterCr();
  // The end of the line in the buffer (a CR or LF), or null when it goes on.
  const char* EndOfLine() const;

  ByteSource& source_;
  std::unique_ptr<char[]> buffer_;  // not cleared: every byte is read into first
  std::size_t size_;
  std::size_t pos_ = 0;
  std::size_t end_ = 0;
  bool eof_ = false;
  bool failed_ = false;
  bool afterCr_ = false;
};

}  // namespace quillora

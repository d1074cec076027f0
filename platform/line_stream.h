#pragma once
// TextStream over a ByteSource; every backend's files use it.
#include <memory>

#include "platform/line_reader.h"
#include "platform/runtime.h"

namespace quillora {

// A ByteSource that owns an open file and can let go of it early.
class FileSource : public ByteSource {
 public:
  virtual void Close() = 0;
};

class LineStream : public TextStream {
 public:
  explicit LineStream(std::unique_ptr<FileSource> source)
      : source_(std::move(source)), reader_(*source_) {}
  bool AtEndOfStream() override { return reader_.AtEnd(); }
  std::string ReadLine() override {
    std::string line;
    reader_.ReadLine(line);
    return line;
  }
  void ReadLineInto(std::string& line) override { reader_.ReadLine(line); }
  std::int64_t CountLinesHolding(std::string_view padrao, std::int64_t limite) override {
    return reader_.CountLinesHolding(padrao, limite);
  }
  void Close() override { source_->Close(); }
  bool Failed() const override { return reader_.Failed(); }

 private:
  std::unique_ptr<FileSource> source_;
  LineReader reader_;
};

}  // namespace quillora

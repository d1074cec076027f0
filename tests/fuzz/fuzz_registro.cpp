// Any bytes as a phrase file: the reader, the split and the decoder must
// never crash, a decoded field is never longer than the raw one, and
// skipping or counting lines finds the separator exactly as reading does.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "phrases/decifrar.h"
#include "phrases/registro.h"
#include "platform/line_reader.h"

namespace {

class Memory : public quillora::ByteSource {
 public:
  Memory(const std::uint8_t* data, std::size_t size, std::size_t chunk)
      : data_(data), size_(size), chunk_(chunk) {}
  long Read(char* buffer, std::size_t size) override {
    const std::size_t n = std::min({size, chunk_, size_ - pos_});
    std::memcpy(buffer, data_ + pos_, n);
    pos_ += n;
    return static_cast<long>(n);
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t chunk_;
  std::size_t pos_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::size_t chunk = size > 0 ? (data[0] % 16) + 1 : 1;
  Memory source(data, size, chunk);
  quillora::LineReader reader(source, chunk);
  std::string line, author;
  std::size_t bytes = 0;
  while (!reader.AtEnd()) {
    reader.ReadLine(line);
    bytes += line.size() + 1;
    if (bytes > size + 1) std::abort();  // lines can only come from the input
    if (!quillora::TemSeparador(line)) continue;
    quillora::DividirRegistro(line, author);
    const std::string plainAuthor = quillora::Decifrar(author, "Lumen");
    const std::string phrase =
        quillora::Decifrar(line, quillora::ChaveDaFrase(plainAuthor));
    if (plainAuthor.size() > author.size() || phrase.size() > line.size()) std::abort();
  }
  Memory again(data, size, chunk);
  quillora::LineReader skipper(again, chunk);
  Memory third(data, size, 64);
  quillora::LineReader reader2(third, 64);
  while (!skipper.AtEnd()) {
    if (reader2.AtEnd()) std::abort();
    reader2.ReadLine(line);
    if (skipper.SkipLine(quillora::kSeparador) != quillora::TemSeparador(line)) std::abort();
  }
  if (!reader2.AtEnd()) std::abort();

  Memory fourth(data, size, chunk);
  quillora::LineReader counter(fourth, chunk);
  Memory fifth(data, size, 64);
  quillora::LineReader reader3(fifth, 64);
  std::int64_t records = 0;
  std::vector<std::string> lines;
  while (!reader3.AtEnd()) {
    reader3.ReadLine(line);
    lines.push_back(line);
    records += quillora::TemSeparador(line) ? 1 : 0;
  }
  if (counter.CountLinesHolding(quillora::kSeparador) != records) std::abort();

  // Passing the first `limit` records leaves the reader on the next line.
  const std::int64_t limit = size > 1 ? data[1] % 8 : 0;
  Memory sixth(data, size, chunk);
  quillora::LineReader partial(sixth, chunk);
  const std::int64_t passed = partial.CountLinesHolding(quillora::kSeparador, limit);
  if (passed != std::min(limit, records)) std::abort();
  std::size_t next = 0;
  for (std::int64_t seen = 0; next < lines.size() && seen < passed; ++next) {
    seen += quillora::TemSeparador(lines[next]) ? 1 : 0;
  }
  if (passed == limit && limit > 0) {
    if (next < lines.size()) {
      if (partial.AtEnd()) std::abort();
      partial.ReadLine(line);
      if (line != lines[next]) std::abort();
    } else if (!partial.AtEnd()) {
      std::abort();
    }
  }
  return 0;
}

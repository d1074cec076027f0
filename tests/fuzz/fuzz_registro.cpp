// Any bytes as a phrase file: the reader, the split and the decoder must
// never crash, a decoded field is never longer than the raw one, and
// skipping a line finds the separator exactly when reading it does.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

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
  return 0;
}

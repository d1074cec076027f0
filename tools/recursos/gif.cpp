#include "tools/recursos/gif.h"
#include "tools/recursos/bytes.h"

#include <map>

namespace quillora {
namespace {


class Bits {
 public:
  void Put(int code, int size) {
    acc_ |= static_cast<std::uint32_t>(code) << count_;
    count_ += size;
    while (count_ >= 8) {
      bytes_ += static_cast<char>(acc_ & 0xFF);
      acc_ >>= 8;
      count_ -= 8;
    }
  }
  std::string Finish() {
    if (count_ > 0) bytes_ += static_cast<char>(acc_ & 0xFF);
    return bytes_;
  }

 private:
  std::uint32_t acc_ = 0;
  int count_ = 0;
  std::string bytes_;
};

std::string Lzw(const std::vector<std::uint8_t>& indices, int minCode) {
  const int clear = 1 << minCode;
  const int eoi = clear + 1;
  std::map<std::pair<int, int>, int> dict;
  int next = eoi + 1;
  int size = minCode + 1;
  Bits bits;
  bits.Put(clear, size);
  int prefix = indices.empty() ? -1 : indices[0];
  for (std::size_t i = 1; i < indices.size(); ++i) {
    const int c = indices[i];
    const auto it = dict.find({prefix, c});
    if (it != dict.end()) {
      prefix = it->second;
      continue;
    }
    bits.Put(prefix, size);
    if (next == 4096) {
      bits.Put(clear, size);
      dict.clear();
      next = eoi + 1;
      size = minCode + 1;
    } else {
      dict[{prefix, c}] = next++;
      if (next > (1 << size) && size < 12) ++size;
    }
    prefix = c;
  }
  if (prefix >= 0) bits.Put(prefix, size);
  bits.Put(eoi, size);
  return bits.Finish();
}

}  // namespace

std::string CodificarGif(const ImagemIndexada& im) {
  int bitsPaleta = 1;
  while ((1 << bitsPaleta) < static_cast<int>(im.paleta.size())) ++bitsPaleta;
  std::string out = "GIF89a";
  U16(out, im.largura);
  U16(out, im.altura);
  // Global table present, colour resolution and table size both bitsPaleta.
  out += static_cast<char>(0x80 | ((bitsPaleta - 1) << 4) | (bitsPaleta - 1));
  out += static_cast<char>(im.fundo);
  out += '\0';
  for (const CorPaleta& c : im.paleta) {
    out += static_cast<char>(c.r);
    out += static_cast<char>(c.g);
    out += static_cast<char>(c.b);
  }
  if (im.transparente >= 0) {
    out += "\x21\xF9\x04\x01";
    U16(out, 0);
    out += static_cast<char>(im.transparente);
    out += '\0';
  }
  out += '\x2C';
  U16(out, 0);
  U16(out, 0);
  U16(out, im.largura);
  U16(out, im.altura);
  out += '\0';  // no local table, not interlaced
  const int minCode = bitsPaleta < 2 ? 2 : bitsPaleta;
  out += static_cast<char>(minCode);
  const std::string dados = Lzw(im.indices, minCode);
  for (std::size_t i = 0; i < dados.size(); i += 255) {
    const std::size_t n = std::min<std::size_t>(255, dados.size() - i);
    out += static_cast<char>(n);
    out.append(dados, i, n);
  }
  out += '\0';
  out += '\x3B';
  return out;
}

}  // namespace quillora

// One cycle's read, draw and decode on files of growing size, beside the
// floor of a two-pass design: reading the same file twice with a plain
// buffered read.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <vector>

#include "phrases/sorteio.h"
#include "platform/posix/runtime_posix.h"
#include "platform/utf8.h"
#include "tools/frases/empacotar.h"

namespace quillora {
namespace {

std::string ArquivoDe(long registros) {
  const auto caminho = std::filesystem::temp_directory_path() /
                       ("quillora_bench_" + std::to_string(registros) + ".lst");
  if (!std::filesystem::exists(caminho)) {
    std::ofstream out(caminho, std::ios::binary);
    for (long i = 0; i < registros; ++i) {
      const LinhaEmpacotada l =
          EmpacotarLinha("Quem com ferro fere, com ferro ser\xC3\xA1 ferido, n\xC2\xBA " +
                         std::to_string(i) + ".\tProv\xC3\xA9rbio popular");
      out << l.registro.value_or("") << "\r\n";
    }
  }
  return caminho.string();
}

void BM_Ciclo(benchmark::State& state) {
  const std::string caminho = ArquivoDe(state.range(0));
  PosixRuntime rt(u".");
  EstadoSorteio estado;
  for (auto _ : state) {
    if (SortearRegistro(rt, estado, [&] { return Utf8ParaUtf16(caminho); }) != Sorteio::Ok) {
      state.SkipWithError("draw failed");
      break;
    }
    benchmark::DoNotOptimize(DecifrarRegistro(estado));
    FecharArquivos(estado);
  }
  state.SetBytesProcessed(state.iterations() * 2 *
                          static_cast<long>(std::filesystem::file_size(caminho)));
}

void BM_LeituraDupla(benchmark::State& state) {
  const std::string caminho = ArquivoDe(state.range(0));
  std::vector<char> buffer(64 * 1024);
  for (auto _ : state) {
    for (int pass = 0; pass < 2; ++pass) {
      std::FILE* f = std::fopen(caminho.c_str(), "rb");
      std::size_t lf = 0, n = 0;
      while ((n = std::fread(buffer.data(), 1, buffer.size(), f)) > 0) {
        for (const char* p = buffer.data(), *end = p + n;
             (p = static_cast<const char*>(std::memchr(p, '\n', end - p))); ++p) {
          ++lf;
        }
      }
      std::fclose(f);
      benchmark::DoNotOptimize(lf);
    }
  }
  state.SetBytesProcessed(state.iterations() * 2 *
                          static_cast<long>(std::filesystem::file_size(caminho)));
}

BENCHMARK(BM_Ciclo)->Arg(1000)->Arg(32767)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LeituraDupla)->Arg(1000)->Arg(32767)->Arg(1000000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quillora

BENCHMARK_MAIN();

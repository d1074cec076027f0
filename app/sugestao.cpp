#include "app/sugestao.h"

#include "about/fabricante.h"

namespace quillora {
namespace {

constexpr char kAssuntoCorpo[] =
    "?subject=Sugest\xE3o de Frase ou Prov\xE9rbios&body=Frase ou Prov\xE9rbio: ";
constexpr char kAutor[] = "%0D%0AAutor: ";

}  // namespace

std::string EnderecoSugestao() {
  return std::string("mailto:") + kEmailFabricante + kAssuntoCorpo + kAutor;
}

}  // namespace quillora

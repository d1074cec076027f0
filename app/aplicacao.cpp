#include "app/aplicacao.h"

#include "phrases/mostrar_frase.h"

namespace quillora {

Aplicacao::Aplicacao(Runtime& rt, SistemaJanelas& ws, std::string gifQuadro)
    : rt_(rt), ws_(ws), gif_(std::move(gifQuadro)) {}

void Aplicacao::Iniciar() {
  mural_ = std::make_unique<FrmMural>(ws_, gif_);
  mural_->Form_Load([this] { CarregarPrincipal(); });
}

void Aplicacao::CarregarPrincipal() {
  if (principalCarregado_) return;
  principalCarregado_ = true;
  MostrarFrase();
  visivelChecked = false;
}

void Aplicacao::MostrarFrase() {
  ContextoCiclo ciclo{rt_, ws_, estado_, *mural_, gManterVisivel, nullptr};
  quillora::MostrarFrase(ciclo);
}

}  // namespace quillora

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
  if (principal_) return;
  principal_ = std::make_unique<FrmPrincipal>(*this);
  principal_->Form_Load();
}

void Aplicacao::MostrarFrase() {
  struct EmCurso {
    bool& flag;
    explicit EmCurso(bool& f) : flag(f) { flag = true; }
    ~EmCurso() { flag = false; }
  } emCurso(cicloEmCurso_);
  ContextoCiclo ciclo{rt_, ws_, estado_, *mural_, gManterVisivel,
                      [this] { principal_->RemoverIconeSeAdicionado(); }};
  quillora::MostrarFrase(ciclo);
}

FrmSobre& Aplicacao::frmSobre() {
  if (!sobre_) sobre_ = std::make_unique<FrmSobre>(ws_);
  return *sobre_;
}

}  // namespace quillora

#include "app/aplicacao.h"

namespace quillora {

Aplicacao::Aplicacao(Runtime& rt, Plataforma plataforma, std::string gifQuadro)
    : rt_(rt), p_(plataforma), gif_(std::move(gifQuadro)) {}

void Aplicacao::Iniciar() {
  mural_ = std::make_unique<FrmMural>(p_.tela, p_.janelas, p_.regioes, p_.texto, p_.shell, gif_);
  mural_->Form_Load([this] { CarregarPrincipal(); });
}

void Aplicacao::CarregarPrincipal() {
  if (principal_) return;
  principal_ = std::make_unique<FrmPrincipal>(rt_, p_.tela, p_.janelas, p_.shell, *this);
  principal_->Form_Load();
}

FrmSobre& Aplicacao::frmSobre() {
  if (!sobre_) sobre_ = std::make_unique<FrmSobre>(p_.tela, p_.janelas, p_.texto, p_.shell);
  return *sobre_;
}

}  // namespace quillora

#pragma once
// Window messages as the small vocabulary of events that the forms'
// translation takes.
#include <windows.h>

#include <optional>

#include "platform/eventos.h"

namespace quillora {

// Nothing for a message that is no event of a form's.
std::optional<Evento> EventoDaMensagem(UINT mensagem, WPARAM wParam, LPARAM lParam);

}  // namespace quillora

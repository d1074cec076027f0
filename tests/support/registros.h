#pragma once
// Builds dados.lst bytes from "phrase<TAB>author" lines (UTF-8), with the
// phrase tool's own packer.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "tools/frases/empacotar.h"

namespace quillora::teste {

inline std::string Registro(const std::string& linhaUtf8) {
  const LinhaEmpacotada l = EmpacotarLinha(linhaUtf8);
  EXPECT_TRUE(l.registro) << l.motivo;
  return l.registro.value_or("");
}

inline std::string Arquivo(std::initializer_list<std::string> linhasUtf8) {
  std::string bytes;
  for (const std::string& l : linhasUtf8) bytes += Registro(l) + "\r\n";
  return bytes;
}

// Two records, the second a quotation: what the program-level tests draw from.
inline std::string DoisRegistros() {
  return Arquivo({"Devagar se vai ao longe.\tProv\xC3\xA9rbio popular",
                  "Ao vencedor, as batatas!\tMachado de Assis"});
}

}  // namespace quillora::teste

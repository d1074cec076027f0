#pragma once
// Quillora's identity, written once. The code, the resource script, CMake
// and the installer all read this file, so it holds plain #defines: windres,
// a CMake regular expression and NSIS's !searchparse read them as they are.
#define QUILLORA_NOME "Quillora"
#define QUILLORA_EMPRESA "Brenvic"
#define QUILLORA_EXECUTAVEL "Quillora.exe"
// The same version in the forms that its readers take.
#define QUILLORA_VERSAO_PONTOS "1.0.0.0"
#define QUILLORA_VERSAO_NUMEROS 1, 0, 0, 0
#define QUILLORA_VERSAO_TEXTO "1.00"
#define QUILLORA_VERSAO_CURTA "1.0"

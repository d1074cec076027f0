#pragma once
// Product identity, shared by the code and the resource script (plain
// #defines so that windres can read this file too).
#define QUILLORA_NOME "Quillora"
#define QUILLORA_EMPRESA "Brenvic"
#define QUILLORA_VERSAO_TEXTO "1.00"
#define QUILLORA_VERSAO_NUMEROS 1, 0, 0, 0
#define QUILLORA_VERSAO_PONTOS "1.0.0.0"
#define QUILLORA_EXECUTAVEL "Quillora.exe"

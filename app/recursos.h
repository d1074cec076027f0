#pragma once
// Resource IDs, shared by the code and the resource script.
#define IDI_QUILLORA 1
#define IDI_SOBRE 2
#define IDR_MURAL 101
#define IDC_MAO 102
#define IDC_MAO_ESCALAS 103

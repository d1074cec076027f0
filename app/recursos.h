#pragma once
// Resource IDs, shared by the code and the resource script.
#define IDR_MURAL 101
#define IDC_MAO 102

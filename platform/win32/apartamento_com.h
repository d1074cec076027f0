#pragma once
// The user-interface thread's COM apartment, single-threaded, as the
// shell's handlers for the documents we open require; it lasts as long as
// this object.
#include <windows.h>

namespace quillora {

class ApartamentoCom {
 public:
  ApartamentoCom();
  ~ApartamentoCom();
  ApartamentoCom(const ApartamentoCom&) = delete;
  ApartamentoCom& operator=(const ApartamentoCom&) = delete;

  // Whether the program itself has entered a single-threaded apartment on
  // this thread (someone else may have done so before: that counts too).
  static bool Iniciado();

 private:
  HRESULT resultado_;
};

}  // namespace quillora

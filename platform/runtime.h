#pragma once
// Runtime services the phrase cycle relies on: the program's directory, the
// file-system object with its text streams, the clock, the random generator,
// the message box and ending the program. Text is Windows-1252 bytes; paths
// are UTF-16, as the system gives them and takes them.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace quillora {

// A read-only stream of lines over a single-byte file. Lines end at CR LF,
// a lone CR or a lone LF; a last line without a break still counts.
class TextStream {
 public:
  virtual ~TextStream() = default;
  virtual bool AtEndOfStream() = 0;
  virtual std::string ReadLine() = 0;
  // Reads the next line into `line`, reusing its storage.
  virtual void ReadLineInto(std::string& line) = 0;
  // Moves past lines, without keeping them, until `limite` of them held
  // `padrao` or the end; returns how many did.
  virtual std::int64_t CountLinesHolding(std::string_view padrao,
                                         std::int64_t limite = INT64_MAX) = 0;
  virtual void Close() = 0;
  // True once a read has failed (the stream then reports its end).
  virtual bool Failed() const = 0;
};

// Created at the start of every cycle and dropped at its end.
class FileSystemObject {
 public:
  virtual ~FileSystemObject() = default;
  // True only for an existing regular file (a folder is not a file).
  virtual bool FileExists(const std::u16string& path) = 0;
  // Opens for reading, never creating; null when the file cannot be opened.
  virtual std::unique_ptr<TextStream> OpenTextFile(const std::u16string& path) = 0;
};

// Message box style: critical icon and a single OK button.
constexpr int kMsgBoxCritical = 16;

class Runtime {
 public:
  virtual ~Runtime() = default;
  // The program's directory, without a trailing backslash except at a
  // drive root ("C:\").
  virtual std::u16string AppPath() = 0;
  virtual std::unique_ptr<FileSystemObject> CreateFileSystemObject() = 0;
  // Seconds since midnight, with the fraction.
  virtual double Timer() = 0;
  virtual void Randomize(double seed) = 0;
  // Next value r of the seeded generator, 0 <= r < 1.
  virtual double Rnd() = 0;
  virtual void MsgBox(const std::string& text, int style,
                      const std::string& title) = 0;
  // True when another copy of the program was already running when this
  // one started.
  virtual bool PrevInstance() = 0;
  // Ends the program at once; nothing after the call runs.
  [[noreturn]] virtual void End() = 0;
};

}  // namespace quillora

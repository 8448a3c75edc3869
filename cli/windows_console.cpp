#include "cli/windows_console.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <iostream>
#include <streambuf>

#include "cli/program_output.h"

namespace veldor {

namespace {

std::string Utf8(const wchar_t* text) {
  const int length = ::WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
  if (length <= 1) return {};
  std::string bytes(static_cast<std::size_t>(length), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, text, -1, bytes.data(), length, nullptr, nullptr);
  bytes.pop_back();  // the terminating NUL
  return bytes;
}

// Collects UTF-8 and writes whole characters to the console as UTF-16.
class ConsoleBuffer final : public std::streambuf {
 public:
  explicit ConsoleBuffer(HANDLE console) : console_(console) {}
  ~ConsoleBuffer() override { sync(); }

 protected:
  int_type overflow(int_type c) override {
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    pending_.push_back(traits_type::to_char_type(c));
    if (pending_.size() >= 4096 || c == '\n') sync();
    return c;
  }
  int sync() override {
    // A character cut at the end waits for its remaining bytes.
    std::size_t whole = pending_.size();
    for (std::size_t back = 1; back <= 3 && back <= pending_.size(); ++back) {
      const auto byte = static_cast<unsigned char>(pending_[pending_.size() - back]);
      if ((byte & 0xC0) != 0x80) {
        const std::size_t needed = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
        if (needed > back) whole = pending_.size() - back;
        break;
      }
    }
    if (whole == 0) return 0;
    const int size = static_cast<int>(whole);
    const int length = ::MultiByteToWideChar(CP_UTF8, 0, pending_.data(), size, nullptr, 0);
    std::wstring text(static_cast<std::size_t>(length), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, pending_.data(), size, text.data(), length);
    DWORD written = 0;
    const bool ok = ::WriteConsoleW(console_, text.data(), static_cast<DWORD>(text.size()),
                                    &written, nullptr) != 0;
    pending_.erase(0, whole);
    return ok ? 0 : -1;
  }

 private:
  HANDLE console_;
  std::string pending_;
};

// The console behind a standard handle, or nothing when it is a file or a pipe.
HANDLE ConsoleOf(DWORD which) {
  const HANDLE handle = ::GetStdHandle(which);
  DWORD mode = 0;
  return handle != nullptr && ::GetConsoleMode(handle, &mode) != 0 ? handle : nullptr;
}

}  // namespace

int RunWithWindowsConsole(const char* program, int argc, wchar_t** argv, CommandFunction command) {
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) args.push_back(Utf8(argv[i]));
  // The bytes written are the bytes meant, on Windows as on Linux.
  ::_setmode(::_fileno(stdout), _O_BINARY);
  ::_setmode(::_fileno(stderr), _O_BINARY);
  std::ios::sync_with_stdio(false);
  std::streambuf* const plain_out = std::cout.rdbuf();
  std::streambuf* const plain_err = std::cerr.rdbuf();
  const HANDLE out_console = ConsoleOf(STD_OUTPUT_HANDLE);
  const HANDLE err_console = ConsoleOf(STD_ERROR_HANDLE);
  ConsoleBuffer console_out(out_console);
  ConsoleBuffer console_err(err_console);
  ProgramOutput file_out(::_fileno(stdout));
  std::cout.rdbuf(out_console != nullptr ? static_cast<std::streambuf*>(&console_out) : &file_out);
  if (err_console != nullptr) std::cerr.rdbuf(&console_err);
  int status = command(args, std::cout, std::cerr, std::cin, ::_isatty(::_fileno(stdin)) != 0);
  if (out_console == nullptr)
    status = FinishOutput(program, std::cout, file_out, std::cerr, status);
  std::cout.flush();
  std::cerr.flush();
  std::cout.rdbuf(plain_out);
  std::cerr.rdbuf(plain_err);
  return status;
}

}  // namespace veldor

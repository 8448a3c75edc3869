#include "cli/program_output.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <iostream>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace veldor {

ProgramOutput::ProgramOutput(int fd) : fd_(fd) { setp(buffer_, buffer_ + sizeof buffer_); }

ProgramOutput::~ProgramOutput() { Drain(); }

ProgramOutput::int_type ProgramOutput::overflow(int_type c) {
  if (!Drain()) return traits_type::eof();
  if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
  *pptr() = traits_type::to_char_type(c);
  pbump(1);
  return c;
}

int ProgramOutput::sync() { return Drain() ? 0 : -1; }

bool ProgramOutput::Drain() {
  const char* next = pbase();
  while (error_ == 0 && next < pptr()) {
    const auto size = static_cast<std::size_t>(pptr() - next);
#ifdef _WIN32
    const int written =
        ::_write(fd_, next, static_cast<unsigned>(std::min<std::size_t>(size, 1u << 30)));
#else
    const ssize_t written = ::write(fd_, next, size);
#endif
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) {
      error_ = written < 0 ? errno : EIO;
      break;
    }
    next += written;
  }
  // What could not be written is dropped with the rest: the program's status tells.
  setp(buffer_, buffer_ + sizeof buffer_);
  return error_ == 0;
}

int FinishOutput(std::string_view program, std::ostream& out, const ProgramOutput& output,
                 std::ostream& err, int status) {
  out.flush();
  if (output.error() == 0) return status;
  err << program << ": cannot write the output: " << std::strerror(output.error()) << '\n';
  err.flush();
  return 1;
}

#ifndef _WIN32
int RunWithProgramOutput(std::string_view program, int argc, char** argv, CommandFunction command) {
  std::ios::sync_with_stdio(false);
  const std::vector<std::string> args(argv + 1, argv + argc);
  ProgramOutput output(STDOUT_FILENO);
  std::ostream out(&output);
  std::cin.tie(&out);  // a question shows before its answer is read
  const int status = command(args, out, std::cerr, std::cin, ::isatty(STDIN_FILENO) == 1);
  return FinishOutput(program, out, output, std::cerr, status);
}
#endif

}  // namespace veldor

#pragma once
// The standard output of the terminal programs, whose failure must not go unnoticed: a
// full disk or a closed pipe ends the program with status 1 and says so.

#include <istream>
#include <ostream>
#include <streambuf>
#include <string>
#include <string_view>
#include <vector>

namespace veldor {

/// Writes what the program prints straight to a file descriptor, remembering why the first
/// write failed; nothing is written after that.
class ProgramOutput final : public std::streambuf {
 public:
  explicit ProgramOutput(int fd);
  ~ProgramOutput() override;
  ProgramOutput(const ProgramOutput&) = delete;
  ProgramOutput& operator=(const ProgramOutput&) = delete;

  /// The errno of the first failed write; 0 while none failed.
  int error() const { return error_; }

 protected:
  int_type overflow(int_type c) override;
  int sync() override;

 private:
  bool Drain();

  int fd_;
  int error_ = 0;
  char buffer_[1 << 16];
};

/// Flushes `out`, which writes through `output`. When a write of it failed, prints
/// "<program>: cannot write the output: <reason>" on `err` and returns 1; else `status`.
int FinishOutput(std::string_view program, std::ostream& out, const ProgramOutput& output,
                 std::ostream& err, int status);

/// A terminal program's command-line function: arguments, standard streams, and whether
/// standard input is a terminal; returns the exit status.
using CommandFunction = int (*)(const std::vector<std::string>& args, std::ostream& out,
                                std::ostream& err, std::istream& in, bool interactive);

#ifndef _WIN32
/// Runs `command` with the process's arguments and standard streams, its output through a
/// ProgramOutput, and ends as FinishOutput says.
int RunWithProgramOutput(std::string_view program, int argc, char** argv, CommandFunction command);
#endif

}  // namespace veldor

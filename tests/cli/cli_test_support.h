#pragma once
// Runs of the terminal programs, in process or as the built program, and the JSON message
// records they print.

#include <sys/wait.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

namespace veldor::testing {

struct CliRun {
  int status;
  std::string out;
  std::string err;
};

/// Calls a command function as main would, with stdin not a terminal.
template <typename Command>
CliRun RunInProcess(Command command, const std::vector<std::string>& args) {
  std::ostringstream out;
  std::ostringstream err;
  std::istringstream in;
  const int status = command(args, out, err, in, false);
  return {status, out.str(), err.str()};
}

/// Runs a shell command line and gives its exit status and stdout.
inline CliRun RunShell(const std::string& command) {
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return {-1, "", ""};
  std::string out;
  char buffer[4096];
  for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
  const int status = pclose(pipe);
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, out, ""};
}

/// One message record as --messages json prints it; `text` already escaped.
inline std::string Json(const std::string& caption, const std::string& text,
                        const std::string& icon = "none", const std::string& buttons = "ok",
                        const std::string& answer = "ok") {
  return "{\"caption\": \"" + caption + "\", \"text\": \"" + text + "\", \"icon\": \"" + icon +
         "\", \"buttons\": \"" + buttons + "\", \"answer\": \"" + answer + "\"}\n";
}

}  // namespace veldor::testing

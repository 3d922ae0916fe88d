// probe: reads and drives another program's windows from outside, as an
// assistive tool would. With arguments it answers that one request; without,
// it serves requests from standard input, one per line, and writes one JSON
// answer per line to standard output, so that a test keeps one probe for
// its whole run instead of starting a process per look.

#include <windows.h>

#include <string>

#include "probe/commands.h"
#include "probe/request.h"

namespace {

void writeLine(HANDLE output, const std::string& text) {
  const std::string line = text + "\n";
  const char* data = line.data();
  auto remaining = static_cast<DWORD>(line.size());
  while (remaining > 0) {
    DWORD written = 0;
    if (!WriteFile(output, data, remaining, &written, nullptr) || written == 0) return;
    data += written;
    remaining -= written;
  }
}

void serve(HANDLE input, HANDLE output) {
  std::string pending;
  char buffer[65536];
  DWORD read = 0;
  while (ReadFile(input, buffer, sizeof buffer, &read, nullptr) && read > 0) {
    pending.append(buffer, read);
    size_t lineEnd = 0;
    while ((lineEnd = pending.find('\n')) != std::string::npos) {
      std::string line = pending.substr(0, lineEnd);
      pending.erase(0, lineEnd + 1);
      if (!line.empty() && line.back() == '\r') line.pop_back();
      if (line.empty()) continue;
      if (line == "quit") return;
      writeLine(output, e2e::answer(e2e::parseRequest(line)));
    }
  }
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
  if (argc > 1) {
    std::string line;
    for (int i = 1; i < argc; ++i) {
      if (i > 1) line += ' ';
      // Arguments are ASCII by the request format.
      for (const wchar_t* c = argv[i]; *c != L'\0'; ++c) line += static_cast<char>(*c);
    }
    writeLine(output, e2e::answer(e2e::parseRequest(line)));
    return 0;
  }
  serve(GetStdHandle(STD_INPUT_HANDLE), output);
  return 0;
}

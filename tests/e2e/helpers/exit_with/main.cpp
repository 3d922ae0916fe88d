// exit_with <code>: ends at once with the given exit code. The suite uses it
// to learn how the Wine launcher hands a Windows exit code to its caller.

#include <windows.h>

#include <cwchar>

int wmain(int argc, wchar_t** argv) {
  const long code = argc > 1 ? std::wcstol(argv[1], nullptr, 10) : 0;
  ExitProcess(static_cast<UINT>(code));
}

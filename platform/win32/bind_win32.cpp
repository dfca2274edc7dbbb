#include "platform/win32/bind.h"

#include <string>

#include "platform/toolkit.h"
#include "platform/win32/wide_text.h"

namespace platform {

const char* MissingFunctionMessageFormat() {
  return "无法在动态链接库 %s 中找到函数 %s，程序将退出。";
}

namespace {

HMODULE LoadNamedLibrary(const char* library) {
  std::string name = library;
  bool hasPath = name.find('\\') != std::string::npos || name.find('/') != std::string::npos;
  if (!hasPath) {
    // The program's own directory first, so a driver library shipped beside the program
    // wins over any other copy on the search path.
    std::string local = toolkit::RunDirectory() + "\\" + name;
    if (GetFileAttributesA(local.c_str()) != INVALID_FILE_ATTRIBUTES) {
      if (HMODULE m = LoadLibraryA(local.c_str())) return m;
    }
    if (HMODULE m = GetModuleHandleA(library)) return m;
  }
  return LoadLibraryA(library);
}

[[noreturn]] void FailBinding(const char* library, const char* function) {
  char message[512];
  wsprintfA(message, MissingFunctionMessageFormat(), library, function);
  MessageBoxW(nullptr, WideFromText(message).c_str(), WideFromText("veskara").c_str(),
              MB_OK | MB_ICONERROR | MB_TOPMOST);
  ExitProcess(static_cast<UINT>(-1));
}

}  // namespace

FARPROC BindFunction(const char* library, const char* function) {
  HMODULE module = LoadNamedLibrary(library);
  FARPROC address = module ? GetProcAddress(module, function) : nullptr;
  if (!address) FailBinding(library, function);
  return address;
}

}  // namespace platform

// Helper program of the binding test: calls a function that no library has, which must
// show the error box and end this process with exit code -1.
#include "platform/win32/bind.h"

int main() {
  platform::LibraryFunction<decltype(&::GetTickCount)> missing{"kernel32.dll",
                                                               "VeskaraNoSuchFunction"};
  missing();
  return 0;  // never reached when the binding works as it should
}

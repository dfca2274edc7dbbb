// Binding library functions by name at their first call. A library name without a path
// is looked for in the program's directory first. A missing library or function shows an
// error box naming the library file and the function, then ends the process with exit
// code -1: the widget cannot work without it.
#pragma once

#include <windows.h>

#include <atomic>

namespace platform {

// The address of `function` in `library`; never returns when it cannot be found.
FARPROC BindFunction(const char* library, const char* function);

// The message the error box shows (code page 936), kept apart so tests can check it.
const char* MissingFunctionMessageFormat();

// A library function bound at its first call and kept, safe to call from any thread:
//   LibraryFunction<decltype(&::GlobalMemoryStatusEx)> globalMemoryStatusEx{
//       "kernel32.dll", "GlobalMemoryStatusEx"};
//   globalMemoryStatusEx(&status);
// `Fn` keeps the calling convention of the declaration it comes from (WINAPI).
template <typename Fn>
class LibraryFunction {
 public:
  constexpr LibraryFunction(const char* library, const char* function)
      : library_(library), function_(function) {}

  template <typename... Args>
  auto operator()(Args&&... args) const {
    return Get()(static_cast<Args&&>(args)...);
  }

  Fn Get() const {
    Fn fn = bound_.load(std::memory_order_acquire);
    if (!fn) {
      // Two threads may bind at once; both get the same address, so either store is right.
      fn = reinterpret_cast<Fn>(reinterpret_cast<void*>(BindFunction(library_, function_)));
      bound_.store(fn, std::memory_order_release);
    }
    return fn;
  }

 private:
  const char* library_;
  const char* function_;
  mutable std::atomic<Fn> bound_{nullptr};
};

}  // namespace platform

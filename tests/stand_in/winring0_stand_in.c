/* A stand-in for the CPU register driver library, so veskara runs under Wine and in tests:
 * the same two exports with the Windows API calling convention. What it reads is chosen
 * through the environment of the process that loads it, looked up at every call:
 *
 *   VESKARA_STANDIN_MSR_19C=0x88390000   the value of register 0x19C (64 bits: the high
 *                                         half above the low one); likewise _1B1, _199.
 *                                         A register without a value cannot be read.
 *   VESKARA_STANDIN_FAIL=1                every read fails.
 *
 * A read fails before InitializeOls too, and a failed read leaves both halves untouched.
 * A test fixture: never shipped with the programs. */
#include <windows.h>

#include <stdio.h>
#include <stdlib.h>

static volatile LONG initialised = 0;

static BOOL Setting(const char* name, char* value, DWORD size) {
  DWORD n = GetEnvironmentVariableA(name, value, size);
  return n > 0 && n < size;
}

BOOL WINAPI InitializeOls(void) {
  InterlockedExchange(&initialised, 1);
  return TRUE;
}

BOOL WINAPI Rdmsr(DWORD index, PDWORD low, PDWORD high) {
  char name[64];
  char value[64];
  char* end = NULL;
  unsigned long long bits;

  if (!initialised) return FALSE;
  if (Setting("VESKARA_STANDIN_FAIL", value, sizeof value) && value[0] == '1') return FALSE;
  snprintf(name, sizeof name, "VESKARA_STANDIN_MSR_%lX", (unsigned long)index);
  if (!Setting(name, value, sizeof value)) return FALSE;
  bits = strtoull(value, &end, 0);
  if (end == value) return FALSE;
  *low = (DWORD)bits;
  *high = (DWORD)(bits >> 32);
  return TRUE;
}

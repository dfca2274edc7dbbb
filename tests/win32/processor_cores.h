// The processor cores as the system counts them, for the tests that check the widget's
// core count: Wine's WMI reports this number as NumberOfCores.
#pragma once

#include <windows.h>

#include <vector>

inline int SystemCoreCount() {
  DWORD size = 0;
  GetLogicalProcessorInformation(nullptr, &size);
  std::vector<SYSTEM_LOGICAL_PROCESSOR_INFORMATION> records(size / sizeof(SYSTEM_LOGICAL_PROCESSOR_INFORMATION));
  if (!GetLogicalProcessorInformation(records.data(), &size)) return -1;
  int cores = 0;
  for (const auto& r : records) cores += r.Relationship == RelationProcessorCore;
  return cores;
}

#include "load/live_startup.h"

#include <memory>

namespace {
std::unique_ptr<ProcessorInfo> processorInfo;
}  // namespace

void CreateProcessorInfo() { processorInfo = std::make_unique<ProcessorInfo>(); }

void ReleaseProcessorInfo() { processorInfo.reset(); }

ProcessorInfo& TheProcessorInfo() { return *processorInfo; }

std::int32_t ReadCoreCountAtStartup() {
  return processorInfo ? processorInfo->NumberOfCores(0, 0) : -1;
}

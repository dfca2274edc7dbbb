#include "load/processor_info.h"

#include "platform/toolkit.h"

namespace {

constexpr const char* kNamespace = "root\\CIMV2";
constexpr const char* kQuery = "Select * From Win32_Processor";
// Instances beyond this many are never looked at.
constexpr std::int32_t kMaxInstances = 10;

}  // namespace

ProcessorInfo::~ProcessorInfo() { Disconnect(); }

bool ProcessorInfo::Connect(const Text& nameSpace, const Text& query) {
  ownsApartment_ = wmi::EnterMultithreadedApartment();
  if (securityInitialised_ == 0) {
    wmi::InitializeProcessSecurity();
    securityInitialised_ = 1;
  }
  if (wmi::OpenQuery(session_, nameSpace, query)) return true;
  Disconnect();
  return false;
}

void ProcessorInfo::Disconnect() {
  wmi::CloseQuery(session_);
  // Only an initialisation this object took is given back: the thread's own COM set-up,
  // if it has one, stays as it was.
  if (ownsApartment_) wmi::LeaveApartment();
  ownsApartment_ = false;
}

template <typename Result>
Result ProcessorInfo::Read(const char* property, std::int32_t instance, std::int32_t use,
                           Result unreachable, Result (*take)(wmi::Instance, const Text&)) {
  if (!Connect(kNamespace, kQuery)) return unreachable;
  Result result{};
  std::int32_t selected = use != 0 ? instance : 1;
  // The enumeration goes on past the selected instance, up to the limit, releasing each.
  for (std::int32_t i = 1; i <= kMaxInstances; ++i) {
    wmi::Instance object = nullptr;
    if (!wmi::NextInstance(session_, object)) break;
    if (i == selected) result = take(object, property);
    wmi::ReleaseInstance(object);
    toolkit::ProcessPendingEvents();
  }
  Disconnect();
  return result;
}

std::int32_t ProcessorInfo::ReadInteger(const char* property, std::int32_t instance,
                                        std::int32_t use) {
  return Read<std::int32_t>(property, instance, use, -1, wmi::IntegerProperty);
}

Text ProcessorInfo::ReadText(const char* property, std::int32_t instance, std::int32_t use) {
  return Read<Text>(property, instance, use, Text{}, wmi::TextProperty);
}

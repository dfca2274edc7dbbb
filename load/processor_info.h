// ProcessorInfo: properties of the Win32_Processor class of WMI, one getter per property.
// Every getter call connects afresh, runs the query, picks one instance, reads the
// property and disconnects.
#pragma once

#include <cstdint>

#include "load/wmi.h"
#include "platform/text.h"

// The getters' properties, in the order of the getters.
enum class ProcessorProperty {
  AddressWidth, Architecture, CpuStatus, CurrentClockSpeed, CurrentVoltage, DataWidth,
  Description, DeviceID, L2CacheSize, L3CacheSize, LoadPercentage, Manufacturer,
  MaxClockSpeed, Name, NumberOfCores, NumberOfLogicalProcessors, ProcessorId,
  ProcessorType, Revision,
};

enum class PropertyKind { Integer, Text };

struct ProcessorPropertyRow {
  const char* name;
  PropertyKind kind;
};

// Indexed by ProcessorProperty.
inline constexpr ProcessorPropertyRow kProcessorProperties[] = {
    {"AddressWidth", PropertyKind::Integer},
    {"Architecture", PropertyKind::Integer},
    {"CpuStatus", PropertyKind::Integer},
    {"CurrentClockSpeed", PropertyKind::Integer},
    {"CurrentVoltage", PropertyKind::Integer},
    {"DataWidth", PropertyKind::Integer},
    {"Description", PropertyKind::Text},
    {"DeviceID", PropertyKind::Text},
    {"L2CacheSize", PropertyKind::Integer},
    {"L3CacheSize", PropertyKind::Integer},
    {"LoadPercentage", PropertyKind::Integer},
    {"Manufacturer", PropertyKind::Text},
    {"MaxClockSpeed", PropertyKind::Integer},
    {"Name", PropertyKind::Text},
    {"NumberOfCores", PropertyKind::Integer},
    {"NumberOfLogicalProcessors", PropertyKind::Integer},
    {"ProcessorId", PropertyKind::Text},
    {"ProcessorType", PropertyKind::Integer},
    {"Revision", PropertyKind::Integer},
};

class ProcessorInfo {
 public:
  ProcessorInfo() = default;
  ~ProcessorInfo();
  // A copy would share the connection's COM objects without holding them.
  ProcessorInfo(const ProcessorInfo&) = delete;
  ProcessorInfo& operator=(const ProcessorInfo&) = delete;

  // Joins the multithreaded apartment, sets the process's COM security the first time
  // this object connects, and runs `query` in `nameSpace`. True when the instances are
  // ready to be enumerated; on false nothing is left to disconnect.
  bool Connect(const Text& nameSpace, const Text& query);
  // Releases the query's objects and gives back the apartment Connect joined.
  void Disconnect();

  // Each getter takes the instance number (1-based) and whether to use it; without it the
  // first instance is read. An integer getter gives -1 and a text getter "" when WMI cannot
  // be reached; 0 or "" when the instance does not exist among the first ten or its
  // property cannot be read or is null.
  std::int32_t AddressWidth(std::int32_t instance = 0, std::int32_t use = 0) { return Integer<ProcessorProperty::AddressWidth>(instance, use); }
  std::int32_t Architecture(std::int32_t instance = 0, std::int32_t use = 0) { return Integer<ProcessorProperty::Architecture>(instance, use); }
  std::int32_t CpuStatus(std::int32_t instance = 0, std::int32_t use = 0) { return Integer<ProcessorProperty::CpuStatus>(instance, use); }
  std::int32_t CurrentClockSpeed(std::int32_t instance = 0, std::int32_t use = 0) { return Integer<ProcessorProperty::CurrentClockSpeed>(instance, use); }
  std::int32_t CurrentVoltage(std::int32_t instance = 0, std::int32_t use = 0) { return Integer<ProcessorProperty::CurrentVoltage>(instance, use); }
  std::int32_t DataWidth(std::int32_t instance = 0, std::int32_t use = 0) { return Integer<ProcessorProperty::DataWidth>(instance, use); }
  Text Description(std::int32_t instance = 0, std::int32_t use = 0) { return TextOf<ProcessorProperty::Description>(instance, use); }
  Text DeviceID(std::int32_t instance = 0, std::int32_t use = 0) { return TextOf<ProcessorProperty::DeviceID>(instance, use); }
  std::int32_t L2CacheSize(std::int32_t instance = 0, std::int32_t use = 0) { return Integer<ProcessorProperty::L2CacheSize>(instance, use); }
  std::int32_t L3CacheSize(std::int32_t instance = 0, std::int32_t use = 0) { return Integer<ProcessorProperty::L3CacheSize>(instance, use); }
  std::int32_t LoadPercentage(std::int32_t instance = 0, std::int32_t use = 0) { return Integer<ProcessorProperty::LoadPercentage>(instance, use); }
  Text Manufacturer(std::int32_t instance = 0, std::int32_t use = 0) { return TextOf<ProcessorProperty::Manufacturer>(instance, use); }
  std::int32_t MaxClockSpeed(std::int32_t instance = 0, std::int32_t use = 0) { return Integer<ProcessorProperty::MaxClockSpeed>(instance, use); }
  Text Name(std::int32_t instance = 0, std::int32_t use = 0) { return TextOf<ProcessorProperty::Name>(instance, use); }
  std::int32_t NumberOfCores(std::int32_t instance = 0, std::int32_t use = 0) { return Integer<ProcessorProperty::NumberOfCores>(instance, use); }
  std::int32_t NumberOfLogicalProcessors(std::int32_t instance = 0, std::int32_t use = 0) { return Integer<ProcessorProperty::NumberOfLogicalProcessors>(instance, use); }
  Text ProcessorId(std::int32_t instance = 0, std::int32_t use = 0) { return TextOf<ProcessorProperty::ProcessorId>(instance, use); }
  std::int32_t ProcessorType(std::int32_t instance = 0, std::int32_t use = 0) { return Integer<ProcessorProperty::ProcessorType>(instance, use); }
  std::int32_t Revision(std::int32_t instance = 0, std::int32_t use = 0) { return Integer<ProcessorProperty::Revision>(instance, use); }

 private:
  static constexpr const ProcessorPropertyRow& Row(ProcessorProperty property) {
    return kProcessorProperties[static_cast<int>(property)];
  }
  template <ProcessorProperty P>
  std::int32_t Integer(std::int32_t instance, std::int32_t use) {
    static_assert(Row(P).kind == PropertyKind::Integer);
    return ReadInteger(Row(P).name, instance, use);
  }
  template <ProcessorProperty P>
  Text TextOf(std::int32_t instance, std::int32_t use) {
    static_assert(Row(P).kind == PropertyKind::Text);
    return ReadText(Row(P).name, instance, use);
  }
  std::int32_t ReadInteger(const char* property, std::int32_t instance, std::int32_t use);
  Text ReadText(const char* property, std::int32_t instance, std::int32_t use);
  template <typename Result>
  Result Read(const char* property, std::int32_t instance, std::int32_t use, Result unreachable,
              Result (*take)(wmi::Instance, const Text&));

  std::int32_t securityInitialised_ = 0;  // set once this object has set the COM security
  bool ownsApartment_ = false;            // Connect took a COM initialisation to give back
  wmi::Session session_;
};

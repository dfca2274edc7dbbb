// Scripted WMI for host tests of ProcessorInfo: the instances a query yields, switches for
// the failures, and counts of what was asked and given back.
#pragma once

#include <cstdint>
#include <map>
#include <utility>
#include <vector>

#include "platform/text.h"

namespace fake {

struct WmiInstance {
  std::map<Text, std::int32_t> integers;
  std::map<Text, Text> texts;
};

struct WmiState {
  std::vector<WmiInstance> instances;
  bool queryOpens = true;              // false: WMI cannot be reached
  bool threadInOtherApartment = false; // the calling thread already set up COM its own way
  int apartmentsEntered = 0;           // initialisations taken
  int apartmentsLeft = 0;              // and given back
  int securityInitialisations = 0;
  std::vector<std::pair<Text, Text>> queriesOpened;  // (namespace, query)
  int queriesClosed = 0;               // non-empty sessions closed
  int nextCalls = 0;
  int instancesReleased = 0;
  std::vector<Text> propertiesRead;
  // toolkit pending-event rounds counted at each release, to see the events let through
  // after every instance
  std::vector<int> pendingEventRoundsAtRelease;
};

extern WmiState wmiState;

}  // namespace fake

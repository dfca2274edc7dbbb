#include "tests/fakes/wmi_fake.h"

#include "load/wmi.h"
#include "tests/fakes/toolkit_fake.h"

namespace fake {
WmiState wmiState;
}  // namespace fake

using fake::wmiState;

namespace wmi {

namespace {

// A session's enumerator is the position of the next instance; an instance handle is its
// position plus one.
std::size_t& Cursor(Session& session) { return *static_cast<std::size_t*>(session.enumerator); }
const fake::WmiInstance& Of(Instance instance) {
  return wmiState.instances[reinterpret_cast<std::size_t>(instance) - 1];
}

}  // namespace

bool EnterMultithreadedApartment() {
  if (wmiState.threadInOtherApartment) return false;
  ++wmiState.apartmentsEntered;
  return true;
}

void LeaveApartment() { ++wmiState.apartmentsLeft; }

void InitializeProcessSecurity() { ++wmiState.securityInitialisations; }

bool OpenQuery(Session& session, const Text& nameSpace, const Text& query) {
  wmiState.queriesOpened.emplace_back(nameSpace, query);
  if (!wmiState.queryOpens) return false;
  session.enumerator = new std::size_t(0);
  return true;
}

void CloseQuery(Session& session) {
  if (!session.enumerator) return;
  delete static_cast<std::size_t*>(session.enumerator);
  session = Session{};
  ++wmiState.queriesClosed;
}

bool NextInstance(Session& session, Instance& instance) {
  ++wmiState.nextCalls;
  std::size_t& cursor = Cursor(session);
  if (cursor >= wmiState.instances.size()) return false;
  instance = reinterpret_cast<Instance>(++cursor);
  return true;
}

void ReleaseInstance(Instance) {
  ++wmiState.instancesReleased;
  wmiState.pendingEventRoundsAtRelease.push_back(fake::state.pendingEventRounds);
}

std::int32_t IntegerProperty(Instance instance, const Text& name) {
  wmiState.propertiesRead.push_back(name);
  auto& values = Of(instance).integers;
  auto it = values.find(name);
  return it == values.end() ? 0 : it->second;
}

Text TextProperty(Instance instance, const Text& name) {
  wmiState.propertiesRead.push_back(name);
  auto& values = Of(instance).texts;
  auto it = values.find(name);
  return it == values.end() ? Text{} : it->second;
}

}  // namespace wmi

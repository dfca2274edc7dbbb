// What the processor information needs of WMI through COM: the calling thread's apartment,
// the process's COM security, one query's objects, and the properties of the instances
// the query yields.
//
// load/wmi_win32.cpp is the real implementation; tests/fakes/ has a scripted one.
#pragma once

#include <cstdint>

#include "platform/text.h"

namespace wmi {

// One query's COM objects: the locator, the services of the namespace and the enumerator.
struct Session {
  void* locator = nullptr;
  void* services = nullptr;
  void* enumerator = nullptr;
};

// One instance the enumerator yielded.
using Instance = void*;

// Joins the calling thread to the multithreaded apartment. True when this took a COM
// initialisation that LeaveApartment must give back; false when the thread already lives
// in another apartment, where COM is usable as it is and nothing is to be given back.
bool EnterMultithreadedApartment();
void LeaveApartment();

// The process's COM security: default authentication, impersonation. Its result is of no
// use: it fails harmlessly when the process has set its security already.
void InitializeProcessSecurity();

// Creates the locator, connects to `nameSpace`, sets the proxy's security and runs `query`
// (WQL, forward only, returning at once). On failure whatever was made is released and
// the session is empty again.
bool OpenQuery(Session& session, const Text& nameSpace, const Text& query);

// Releases the locator, then the enumerator, then the services, and empties the session.
void CloseQuery(Session& session);

// The next instance, waiting as long as it takes; false when there is none.
bool NextInstance(Session& session, Instance& instance);
void ReleaseInstance(Instance instance);

// A property of an instance: 0 or "" when it cannot be read, is null, or is not of the
// asked kind.
std::int32_t IntegerProperty(Instance instance, const Text& name);
Text TextProperty(Instance instance, const Text& name);

}  // namespace wmi

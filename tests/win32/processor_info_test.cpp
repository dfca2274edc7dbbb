// ProcessorInfo against the system's real WMI service.
#include <windows.h>
#include <objbase.h>

#include <gtest/gtest.h>

#include "load/live_startup.h"
#include "load/processor_info.h"
#include "load/wmi.h"
#include "tests/win32/processor_cores.h"

namespace {

// True when the calling thread holds no COM initialisation: a fresh one is the first.
bool ThreadHasNoCom() {
  HRESULT hr = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  if (SUCCEEDED(hr)) CoUninitialize();
  return hr == S_OK;
}

TEST(ProcessorInfoWmiTest, NumberOfCoresOfTheFirstProcessorAsTheSystemCountsThem) {
  CreateProcessorInfo();
  std::int32_t cores = ReadCoreCountAtStartup();
  ReleaseProcessorInfo();
  EXPECT_GE(cores, 1);
  EXPECT_EQ(cores, SystemCoreCount());
  EXPECT_TRUE(ThreadHasNoCom()) << "every COM initialisation was given back";
}

TEST(ProcessorInfoWmiTest, TextsAndInstancesPastTheEnumeration) {
  ProcessorInfo info;
  EXPECT_FALSE(info.Name().empty());
  EXPECT_FALSE(info.DeviceID().empty());
  EXPECT_GE(info.NumberOfLogicalProcessors(), info.NumberOfCores());
  EXPECT_EQ(info.NumberOfCores(11, 1), 0);
  EXPECT_EQ(info.Name(11, 1), "");
  EXPECT_TRUE(ThreadHasNoCom());
}

TEST(ProcessorInfoWmiTest, AThreadsOwnApartmentSurvivesTheGetter) {
  ASSERT_EQ(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED), S_OK);
  ProcessorInfo info;
  EXPECT_GE(info.NumberOfCores(), 1);
  // Still this thread's single-threaded apartment: initialising it again only counts.
  EXPECT_EQ(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED), S_FALSE);
  CoUninitialize();
  CoUninitialize();
  EXPECT_TRUE(ThreadHasNoCom());
}

TEST(ProcessorInfoWmiTest, PropertiesThatCannotBeReadGiveZeroOrEmpty) {
  ASSERT_TRUE(wmi::EnterMultithreadedApartment());
  wmi::Session session;
  ASSERT_TRUE(wmi::OpenQuery(session, "root\\CIMV2", "Select * From Win32_Processor"));
  wmi::Instance instance = nullptr;
  ASSERT_TRUE(wmi::NextInstance(session, instance));
  EXPECT_EQ(wmi::IntegerProperty(instance, "NoSuchProperty"), 0);
  EXPECT_EQ(wmi::TextProperty(instance, "NoSuchProperty"), "");
  // A property of the other kind is not reinterpreted.
  EXPECT_EQ(wmi::IntegerProperty(instance, "Name"), 0);
  EXPECT_EQ(wmi::TextProperty(instance, "NumberOfCores"), "");
  wmi::ReleaseInstance(instance);
  wmi::CloseQuery(session);
  wmi::LeaveApartment();
}

TEST(ProcessorInfoWmiTest, AnUnknownNamespaceFailsTheConnection) {
  ProcessorInfo info;
  EXPECT_FALSE(info.Connect("root\\NoSuchNamespace", "Select * From Win32_Processor"));
  EXPECT_TRUE(ThreadHasNoCom());
}

}  // namespace

#include <windows.h>
#include <wbemcli.h>

#include <string>

#include "load/wmi.h"
#include "platform/win32/bind.h"
#include "platform/win32/wide_text.h"

namespace wmi {

namespace {

const platform::LibraryFunction<decltype(&::CoInitializeEx)> coInitializeEx{"ole32.dll", "CoInitializeEx"};
const platform::LibraryFunction<decltype(&::CoUninitialize)> coUninitialize{"ole32.dll", "CoUninitialize"};
const platform::LibraryFunction<decltype(&::CoInitializeSecurity)> coInitializeSecurity{
    "ole32.dll", "CoInitializeSecurity"};
const platform::LibraryFunction<decltype(&::CLSIDFromString)> clsidFromString{"ole32.dll", "CLSIDFromString"};
const platform::LibraryFunction<decltype(&::IIDFromString)> iidFromString{"ole32.dll", "IIDFromString"};
const platform::LibraryFunction<decltype(&::CoCreateInstance)> coCreateInstance{"ole32.dll", "CoCreateInstance"};
const platform::LibraryFunction<decltype(&::CoSetProxyBlanket)> coSetProxyBlanket{
    "ole32.dll", "CoSetProxyBlanket"};
const platform::LibraryFunction<decltype(&::SysAllocString)> sysAllocString{"OleAut32.dll", "SysAllocString"};
const platform::LibraryFunction<decltype(&::SysFreeString)> sysFreeString{"OleAut32.dll", "SysFreeString"};
const platform::LibraryFunction<decltype(&::VariantClear)> variantClear{"OleAut32.dll", "VariantClear"};
const platform::LibraryFunction<decltype(&::WideCharToMultiByte)> wideCharToMultiByte{
    "kernel32.dll", "WideCharToMultiByte"};
const platform::LibraryFunction<decltype(&::lstrlenW)> lstrlenWide{"kernel32.dll", "lstrlenW"};

const Text kLocatorClass = "{4590f811-1d3a-11d0-891f-00aa004b2e24}";
const Text kLocatorInterface = "{dc12a687-737f-11cf-884d-00aa004b2e24}";
constexpr long kForwardOnlyReturnImmediately = WBEM_FLAG_FORWARD_ONLY | WBEM_FLAG_RETURN_IMMEDIATELY;
constexpr UINT kCodePage = 936;

// A text handed to WMI: code page 936 to UTF-16, as a BSTR freed on leaving the scope.
class Bstr {
 public:
  explicit Bstr(const Text& text) : bstr_(sysAllocString(platform::WideFromText(text).c_str())) {}
  ~Bstr() { sysFreeString(bstr_); }
  Bstr(const Bstr&) = delete;
  Bstr& operator=(const Bstr&) = delete;
  operator BSTR() const { return bstr_; }

 private:
  BSTR bstr_;
};

// A property's value, cleared (its text freed) on leaving the scope.
class PropertyValue {
 public:
  PropertyValue(Instance instance, const Text& name) {
    Bstr property(name);
    read_ = SUCCEEDED(static_cast<IWbemClassObject*>(instance)->Get(property, 0, &value_, nullptr, nullptr));
  }
  ~PropertyValue() { variantClear(&value_); }
  PropertyValue(const PropertyValue&) = delete;
  PropertyValue& operator=(const PropertyValue&) = delete;

  VARTYPE type() const { return read_ ? value_.vt : VARTYPE(VT_EMPTY); }
  const VARIANT& value() const { return value_; }

 private:
  VARIANT value_{};  // zeroed: VT_EMPTY
  bool read_ = false;
};

template <typename Interface>
Interface* As(void* pointer) {
  return static_cast<Interface*>(pointer);
}

template <typename Interface>
void ReleaseField(void*& field) {
  if (field) As<Interface>(field)->Release();
  field = nullptr;
}

}  // namespace

bool EnterMultithreadedApartment() {
  // S_OK and S_FALSE each take an initialisation; RPC_E_CHANGED_MODE takes none, and the
  // thread's own apartment serves the query as well.
  return SUCCEEDED(coInitializeEx(nullptr, COINIT_MULTITHREADED));
}

void LeaveApartment() { coUninitialize(); }

void InitializeProcessSecurity() {
  coInitializeSecurity(nullptr, -1, nullptr, nullptr, RPC_C_AUTHN_LEVEL_DEFAULT,
                       RPC_C_IMP_LEVEL_IMPERSONATE, nullptr, EOAC_NONE, nullptr);
}

bool OpenQuery(Session& session, const Text& nameSpace, const Text& query) {
  CLSID locatorClass;
  IID locatorInterface;
  bool open =
      SUCCEEDED(clsidFromString(platform::WideFromText(kLocatorClass).c_str(), &locatorClass)) &&
      SUCCEEDED(iidFromString(platform::WideFromText(kLocatorInterface).c_str(), &locatorInterface)) &&
      SUCCEEDED(coCreateInstance(locatorClass, nullptr, CLSCTX_INPROC_SERVER, locatorInterface,
                                 &session.locator)) &&
      SUCCEEDED(As<IWbemLocator>(session.locator)
                    ->ConnectServer(Bstr(nameSpace), nullptr, nullptr, nullptr, 0, nullptr, nullptr,
                                    reinterpret_cast<IWbemServices**>(&session.services))) &&
      SUCCEEDED(coSetProxyBlanket(As<IUnknown>(session.services), RPC_C_AUTHN_WINNT, RPC_C_AUTHZ_NONE,
                                  nullptr, RPC_C_AUTHN_LEVEL_CALL, RPC_C_IMP_LEVEL_IMPERSONATE,
                                  nullptr, EOAC_NONE)) &&
      SUCCEEDED(As<IWbemServices>(session.services)
                    ->ExecQuery(Bstr("WQL"), Bstr(query), kForwardOnlyReturnImmediately, nullptr,
                                reinterpret_cast<IEnumWbemClassObject**>(&session.enumerator)));
  if (!open) CloseQuery(session);
  return open;
}

void CloseQuery(Session& session) {
  ReleaseField<IWbemLocator>(session.locator);
  ReleaseField<IEnumWbemClassObject>(session.enumerator);
  ReleaseField<IWbemServices>(session.services);
}

bool NextInstance(Session& session, Instance& instance) {
  IWbemClassObject* object = nullptr;
  ULONG returned = 0;
  As<IEnumWbemClassObject>(session.enumerator)->Next(WBEM_INFINITE, 1, &object, &returned);
  if (returned != 1 || !object) return false;
  instance = object;
  return true;
}

void ReleaseInstance(Instance instance) { As<IWbemClassObject>(instance)->Release(); }

std::int32_t IntegerProperty(Instance instance, const Text& name) {
  PropertyValue property(instance, name);
  const VARIANT& v = property.value();
  // WMI hands its 8-, 16- and 32-bit integers in these types.
  switch (property.type()) {
    case VT_I1: return v.cVal;
    case VT_UI1: return v.bVal;
    case VT_I2: return v.iVal;
    case VT_UI2: return v.uiVal;
    case VT_I4: return v.lVal;
    case VT_UI4: return static_cast<std::int32_t>(v.ulVal);
    case VT_INT: return v.intVal;
    case VT_UINT: return static_cast<std::int32_t>(v.uintVal);
    default: return 0;  // null, missing or not an integer
  }
}

Text TextProperty(Instance instance, const Text& name) {
  PropertyValue property(instance, name);
  if (property.type() != VT_BSTR || !property.value().bstrVal) return {};
  const BSTR wide = property.value().bstrVal;
  int length = lstrlenWide(wide);
  int size = wideCharToMultiByte(kCodePage, WC_COMPOSITECHECK, wide, length, nullptr, 0, nullptr, nullptr);
  if (size <= 0) return {};
  Text text(static_cast<std::size_t>(size), '\0');
  wideCharToMultiByte(kCodePage, WC_COMPOSITECHECK, wide, length, text.data(), size, nullptr, nullptr);
  return text;
}

}  // namespace wmi

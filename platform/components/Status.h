#pragma once

#include <cstdint>

// Status codes of the component layer, with the values automation clients know them by.
namespace platform::components {

using HResult = std::int32_t;

constexpr HResult Code(std::uint32_t value) { return static_cast<HResult>(value); }

constexpr HResult S_OK = 0;
constexpr HResult S_FALSE = 1;
constexpr HResult E_NOTIMPL = Code(0x80004001);
constexpr HResult E_NOINTERFACE = Code(0x80004002);
constexpr HResult E_POINTER = Code(0x80004003);
constexpr HResult E_FAIL = Code(0x80004005);
constexpr HResult E_UNEXPECTED = Code(0x8000FFFF);
constexpr HResult E_INVALIDARG = Code(0x80070057);
constexpr HResult DISP_E_MEMBERNOTFOUND = Code(0x80020003);
constexpr HResult DISP_E_PARAMNOTFOUND = Code(0x80020004);
constexpr HResult DISP_E_TYPEMISMATCH = Code(0x80020005);
constexpr HResult DISP_E_UNKNOWNNAME = Code(0x80020006);
constexpr HResult DISP_E_EXCEPTION = Code(0x80020009);
constexpr HResult DISP_E_BADPARAMCOUNT = Code(0x8002000E);
constexpr HResult CLASS_E_CLASSNOTAVAILABLE = Code(0x80040111);
constexpr HResult REGDB_E_READREGDB = Code(0x80040150);
constexpr HResult REGDB_E_WRITEREGDB = Code(0x80040151);
constexpr HResult REGDB_E_CLASSNOTREG = Code(0x80040154);
constexpr HResult CO_E_CLASSSTRING = Code(0x800401F3);
constexpr HResult CO_E_DLLNOTFOUND = Code(0x800401F8);
constexpr HResult CO_E_ERRORINDLL = Code(0x800401F9);
constexpr HResult SELFREG_E_TYPELIB = Code(0x80040200);
constexpr HResult SELFREG_E_CLASS = Code(0x80040201);
constexpr HResult CONNECT_E_NOCONNECTION = Code(0x80040200);
constexpr HResult TYPE_E_LIBNOTREGISTERED = Code(0x8002801D);
constexpr HResult TYPE_E_CANTLOADLIBRARY = Code(0x80029C4A);

constexpr bool Succeeded(HResult status) { return status >= 0; }
constexpr bool Failed(HResult status) { return status < 0; }

} // namespace platform::components

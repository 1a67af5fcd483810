// Basic types and result codes shared by the host and its plug-ins.
#pragma once

#include <cstdint>

using ASErr = std::int32_t;  // 0 is success; other codes are four characters packed big-endian
using SPErr = ASErr;
using AIErr = ASErr;
using ASBoolean = std::uint8_t;
using AIBoolean = std::uint8_t;

// Packs a four-character code, most significant byte first: FourCharCode("CANT") == 0x43414E54.
constexpr std::int32_t FourCharCode(const char (&c)[5]) {
  return static_cast<std::int32_t>(
      (static_cast<std::uint32_t>(static_cast<unsigned char>(c[0])) << 24) |
      (static_cast<std::uint32_t>(static_cast<unsigned char>(c[1])) << 16) |
      (static_cast<std::uint32_t>(static_cast<unsigned char>(c[2])) << 8) |
      static_cast<std::uint32_t>(static_cast<unsigned char>(c[3])));
}

// Result codes.
constexpr ASErr kNoErr = 0;
constexpr ASErr kUnhandledMsgErr = FourCharCode("!MSG");  // never returned to the host
constexpr ASErr kOutOfMemoryErr = FourCharCode("!MEM");
constexpr ASErr kCantHappenErr = FourCharCode("CANT");     // unexpected exception
constexpr ASErr kCanceledErr = FourCharCode("STOP");       // the user cancelled a dialog
constexpr ASErr kCutAtEndpointErr = FourCharCode("!end");  // cut at the end of an open path
constexpr ASErr kPluginPurgedErr = FourCharCode("pFls");   // purge reply: memory was released
constexpr ASErr kSPSuiteNotFoundError = FourCharCode("S!Fd");
// Codes the host answers for misuse; chosen here once for both sides.
constexpr ASErr kBadParameterErr = FourCharCode("PARM");  // argument out of range or malformed
constexpr ASErr kStaleHandleErr = FourCharCode("STAL");   // handle unknown, released or foreign
constexpr ASErr kBadStateErr = FourCharCode("STAT");      // call not allowed in the current state
constexpr ASErr kNoDocumentErr = FourCharCode("DOC?");    // no document is open

// Opaque host references. The plug-in never looks inside them.
using SPPluginRef = struct SPPlugin*;
using SPAccessRef = struct SPAccess*;
using AINotifierHandle = struct _AINotifier*;
using AIAppContextHandle = struct _AIAppContext*;
using AIMenuItemHandle = struct _AIMenuItem*;
using AIMenuGroup = struct _AIMenuGroup*;
using AIToolHandle = struct _AITool*;
using AIUnicodeStringRef = struct _AIUnicodeString*;
using AIWindowRef = void*;  // a native window handle (HWND)

using AIReal = double;
struct AIRealPoint {
  AIReal h;
  AIReal v;
};

// Suite tables list their error-answering functions through HOST_FAULTABLE, so that every such
// call first asks the host's Faults whether a test armed a failure for it (see Faults). The
// name a script uses is the function's own (a class qualifier is dropped); HOST_FAULTABLE_AS
// gives another where two suites share a function name.
#pragma once

#include <cstddef>

#include "host/core/Host.h"

namespace host {

template <std::size_t N>
struct FaultName {
  // Keeps what follows the last "::", so that "F::Create" is named "Create".
  consteval FaultName(const char (&name)[N]) {
    std::size_t start = 0;
    for (std::size_t i = 0; i + 1 < N; ++i)
      if (name[i] == ':' && name[i + 1] == ':') start = i + 2;
    for (std::size_t i = start; i < N; ++i) text[i - start] = name[i];
  }
  char text[N]{};
};

template <FaultName name, auto function>
struct Faultable;

template <FaultName name, typename... Args, AIErr (*function)(Args...)>
struct Faultable<name, function> {
  static AIErr Call(Args... args) {
    if (AIErr fault = Host::Current().faults().Take(name.text)) return fault;
    return function(args...);
  }
};

}  // namespace host

#define HOST_FAULTABLE(function) (&::host::Faultable<#function, &function>::Call)
#define HOST_FAULTABLE_AS(function, name) (&::host::Faultable<name, &function>::Call)

// The host's alerts with the engine's UTF-8 texts. Making the host string may throw ai::Error.
#pragma once

#include "hostapi/SPTypes.h"

// A Yes/No question; true for Yes.
bool AskYesNo(const char* utf8);
// An error alert with one button.
AIErr ShowErrorAlert(const char* utf8);
// An information alert with one button.
AIErr ShowMessageAlert(const char* utf8);

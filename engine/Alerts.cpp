#include "engine/Alerts.h"

#include "frame/SuiteTables.h"
#include "hostapi/IAIUnicodeString.h"

bool AskYesNo(const char* utf8) {
  return sAIUser->YesNoAlert(ai::UnicodeString(utf8).handle()) == 1;
}

AIErr ShowErrorAlert(const char* utf8) {
  return sAIUser->ErrorAlert(ai::UnicodeString(utf8).handle());
}

AIErr ShowMessageAlert(const char* utf8) {
  return sAIUser->MessageAlert(ai::UnicodeString(utf8).handle());
}

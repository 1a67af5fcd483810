// Adds the plug-in's About item to the host's About menu, inside a submenu that plug-ins of the
// same maker share. Holds the AI Menu Suite only while it lives: made for this one step of
// start-up, with the basic suite of the start-up message.
#pragma once

#include "hostapi/AIMenu.h"
#include "hostapi/SPBasic.h"

class SDKAboutPluginsHelper {
 public:
  explicit SDKAboutPluginsHelper(SPBasicSuite* basic);
  ~SDKAboutPluginsHelper();
  SDKAboutPluginsHelper(const SDKAboutPluginsHelper&) = delete;
  SDKAboutPluginsHelper& operator=(const SDKAboutPluginsHelper&) = delete;

  // Adds itemText (no key, options 0) to the group groupName, which is made first when the host
  // has none: an item groupItemText in the host's "About" group, with the group as its submenu.
  // The first failing host call (the suite's acquisition included) ends it with its code.
  AIErr AddAboutPluginsMenuItem(SPPluginRef plugin, const char* groupName,
                                const char* groupItemText, const char* itemText,
                                AIMenuItemHandle* item);

 private:
  // Whether the host has a group named name.
  AIErr HasGroup(const char* name, bool* found) const;

  SPBasicSuite* basic_;
  const AIMenuSuite* menu_ = nullptr;
  AIErr acquireError_;
};

// Whether the user can change an art object as it is, and making it so.
#pragma once

#include "hostapi/AITypes.h"

// True when the art's layer and every layer enclosing it are visible and editable and neither
// the art nor any enclosing art is locked or hidden. Any host error, including not finding the
// art's layer, gives false: the art is then treated as locked, never as free to change.
bool IsArtVisibleAndEditable(AIArtHandle art);

// Makes the art's layer and every layer enclosing it visible and editable, and clears the
// locked and hidden attributes of the art's outermost enclosing art and of everything between
// it and the art, the art included. False when any host call fails (what was changed before
// stays changed).
bool UnlockAndShowArt(AIArtHandle art);

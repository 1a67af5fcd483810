// The three cursors of the multi-path scissors tool, as the tool chooses them. The tool itself is
// portable; what shows a cursor is given to it (the Windows cursors of the plug-in's module).
#pragma once

enum class ScissorsCursor {
  kPlain,     // the cross alone: nothing to cut under the cursor
  kOnAnchor,  // the cross with a filled square: over an anchor of a path
  kOnPath,    // the cross with a hollow square: over any other part of a path
};

class ScissorsCursorSet {
 public:
  virtual ~ScissorsCursorSet() = default;
  virtual void Show(ScissorsCursor cursor) = 0;
};

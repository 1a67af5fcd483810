#include "tools/ScissorsCursorsWin.h"

#include <windows.h>

#include "frame/ResourceModule.h"
#include "frame/SuiteTables.h"
#include "resources/resource.h"
#include "tools/UniqueCursor.h"

namespace {

class ModuleCursors : public ScissorsCursorSet {
 public:
  explicit ModuleCursors(HMODULE module)
      : plain_(Load(module, IDC_SCISSORS_CURSOR)),
        onPath_(Load(module, IDC_SCISSORS_ON_PATH_CURSOR)),
        onAnchor_(Load(module, IDC_SCISSORS_ON_ANCHOR_CURSOR)) {}

  void Show(ScissorsCursor cursor) override {
    const UniqueCursor& chosen = cursor == ScissorsCursor::kOnAnchor ? onAnchor_
                                 : cursor == ScissorsCursor::kOnPath ? onPath_
                                                                     : plain_;
    if (chosen.get() != nullptr) SetCursor(chosen.get());
  }

 private:
  // A private copy at the resource's own size, so that destroying it is ours to do.
  static UniqueCursor Load(HMODULE module, int id) {
    return UniqueCursor(static_cast<HCURSOR>(
        LoadImageW(module, MAKEINTRESOURCEW(id), IMAGE_CURSOR, 0, 0, LR_DEFAULTCOLOR)));
  }

  UniqueCursor plain_;
  UniqueCursor onPath_;
  UniqueCursor onAnchor_;
};

}  // namespace

std::unique_ptr<ScissorsCursorSet> LoadScissorsCursors(SPPluginRef plugin) {
  AIWindowRef window = nullptr;
  if (sAIContext->GetPlatformAppWindow(&window) != kNoErr) return nullptr;
  HMODULE module = nullptr;
  if (FindPluginModule(plugin, &module) != kNoErr || module == nullptr) return nullptr;
  return std::make_unique<ModuleCursors>(module);
}

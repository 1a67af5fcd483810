// A captured overlap line: for every path of a stack, from the back-most (entry 0) to the
// front-most, the layer it lived in and its complete path style, with a picture of the stack.
// Copies are deep: entries (and their strings) and the picture are copied.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "engine/OverlapDetection.h"
#include "engine/PreviewBitmap.h"
#include "hostapi/AIPathStyle.h"
#include "hostapi/IAIUnicodeString.h"

struct StrokeLayerEntry {
  ai::UnicodeString layerPath;  // see LayerPathMap.h
  AIPathStyle style;
};

class OverlapSetting {
 public:
  // No entries and no preview; previews are built at about this size (see BuildPreview).
  OverlapSetting(std::int32_t previewWidth, std::int32_t previewHeight);
  OverlapSetting(const OverlapSetting& other);
  OverlapSetting& operator=(const OverlapSetting& other);
  OverlapSetting(OverlapSetting&&) noexcept = default;
  OverlapSetting& operator=(OverlapSetting&&) noexcept = default;
  ~OverlapSetting() = default;

  std::int32_t Count() const { return static_cast<std::int32_t>(entries_.size()); }
  const std::vector<StrokeLayerEntry>& Entries() const { return entries_; }
  // The layer that the map holds for entry index's layer path; null out of range or when no
  // layer of the document has that path.
  AILayerHandle LayerOfEntry(std::int32_t index) const;
  // Entry index's layer path up to its first "^": the layer's own title. Empty out of range.
  ai::UnicodeString LeafLayerName(std::int32_t index) const;
  // Copies entry index's style into style; false (style untouched) out of range.
  bool StyleOfEntry(std::int32_t index, AIPathStyle& style) const;
  // The widest stroke among the entries, painted or not; 0 with no entries.
  AIReal MaxStrokeWidth() const;

  std::int32_t PreviewWidth() const { return previewWidth_; }
  std::int32_t PreviewHeight() const { return previewHeight_; }
  const PreviewBitmap* Preview() const { return preview_.get(); }
  void SetPreview(PreviewBitmap preview);

  // Rebuilds the entries from paths (back to front): each path's layer path and style. The first
  // host error ends it and is returned, keeping the entries made so far; otherwise the preview is
  // built (a preview that cannot be built is no error).
  AIErr FillFromArtList(const ArtList& paths);
  // As FillFromArtList, without building the preview.
  AIErr FillEntriesFromArtList(const ArtList& paths);
  void AppendEntry(StrokeLayerEntry entry) { entries_.push_back(std::move(entry)); }

 private:
  std::vector<StrokeLayerEntry> entries_;
  std::int32_t previewWidth_;
  std::int32_t previewHeight_;
  std::unique_ptr<PreviewBitmap> preview_;
};

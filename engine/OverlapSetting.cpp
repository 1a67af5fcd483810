#include "engine/OverlapSetting.h"

#include <algorithm>
#include <new>

#include "engine/LayerPathMap.h"
#include "engine/SettingPreview.h"
#include "frame/SuiteTables.h"

namespace {

bool InRange(std::int32_t index, std::size_t count) {
  return index >= 0 && static_cast<std::size_t>(index) < count;
}

}  // namespace

OverlapSetting::OverlapSetting(std::int32_t previewWidth, std::int32_t previewHeight)
    : previewWidth_(previewWidth), previewHeight_(previewHeight) {}

OverlapSetting::OverlapSetting(const OverlapSetting& other)
    : entries_(other.entries_),
      previewWidth_(other.previewWidth_),
      previewHeight_(other.previewHeight_),
      preview_(other.preview_ ? std::make_unique<PreviewBitmap>(*other.preview_) : nullptr) {}

OverlapSetting& OverlapSetting::operator=(const OverlapSetting& other) {
  if (this != &other) *this = OverlapSetting(other);
  return *this;
}

AILayerHandle OverlapSetting::LayerOfEntry(std::int32_t index) const {
  if (!InRange(index, entries_.size())) return nullptr;
  return LookUpLayerPath(entries_[static_cast<std::size_t>(index)].layerPath);
}

ai::UnicodeString OverlapSetting::LeafLayerName(std::int32_t index) const {
  if (!InRange(index, entries_.size())) return ai::UnicodeString();
  const std::string path = entries_[static_cast<std::size_t>(index)].layerPath.as_UTF8();
  return ai::UnicodeString(std::string_view(path).substr(0, path.find('^')));
}

bool OverlapSetting::StyleOfEntry(std::int32_t index, AIPathStyle& style) const {
  if (!InRange(index, entries_.size())) return false;
  style = entries_[static_cast<std::size_t>(index)].style;
  return true;
}

AIReal OverlapSetting::MaxStrokeWidth() const {
  AIReal widest = 0.0;
  for (const StrokeLayerEntry& entry : entries_)
    widest = std::max(widest, entry.style.stroke.width);
  return widest;
}

void OverlapSetting::SetPreview(PreviewBitmap preview) {
  preview_ = std::make_unique<PreviewBitmap>(std::move(preview));
}

AIErr OverlapSetting::FillFromArtList(const ArtList& paths) {
  if (AIErr error = FillEntriesFromArtList(paths); error != kNoErr) return error;
  BuildPreview(*this);
  return kNoErr;
}

AIErr OverlapSetting::FillEntriesFromArtList(const ArtList& paths) {
  entries_.clear();
  try {
    for (AIArtHandle path : paths) {
      AILayerHandle layer = nullptr;
      if (AIErr error = sAIArt->GetLayerOfArt(path, &layer); error != kNoErr) return error;
      StrokeLayerEntry entry{ai::UnicodeString(), AIPathStyle{}};
      if (AIErr error = LayerPathOf(layer, entry.layerPath); error != kNoErr) return error;
      AIBoolean advancedFill = 0;  // read and not used: the focal fill and stroke are the setting
      if (AIErr error = sAIPathStyle->GetPathStyle(path, &entry.style, &advancedFill);
          error != kNoErr) {
        return error;
      }
      entries_.push_back(std::move(entry));
    }
  } catch (const ai::Error& error) {
    return error.code();
  } catch (const std::bad_alloc&) {
    return kOutOfMemoryErr;
  }
  return kNoErr;
}

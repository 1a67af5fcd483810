// The picture of a setting: one horizontal line per entry, drawn with the entry's style into the
// current layer, rendered by the host's rasteriser and copied into the setting's preview. The
// widest stroke becomes half the preview height and the lines span its width; the bitmap has the
// raster's size. Everything drawn is removed again on every way out, failures included.
#pragma once

class OverlapSetting;

// On success the setting's preview is the new picture; otherwise it stays as it was. No picture
// is made when the current layer is missing or locked, on any host error, or when the setting
// has nothing to scale by: no entries, or no stroke wider than 0.
void BuildPreview(OverlapSetting& setting);

// Small documents for acquiring, creating and deleting overlap lines.
#pragma once

// Layers from the top: "fill" (road fills, light), "casing" (road casings, dark), "other". Road
// r1 is drawn in fill and casing; r2 likewise with other colours; r3 like r1 but with other
// widths; "q" and "q2" are plain paths in other, "t" a text.
inline constexpr char kRoads[] = R"({
  "format": "laneworks-document", "version": 1, "currentLayer": "other",
  "layers": [
    {"id": "fill", "title": "道路_中", "art": [
      {"type": "path", "id": "r1-fill", "segments": [{"p": [0, 0]}, {"p": [50, 0]}, {"p": [100, 20]}],
       "appearance": {"paint": [{"kind": "stroke", "color": {"kind": "gray", "gray": 0}, "width": 4}]}},
      {"type": "path", "id": "r2-fill", "segments": [{"p": [0, 40]}, {"p": [100, 40]}],
       "appearance": {"paint": [{"kind": "stroke", "color": {"kind": "rgb", "r": 1, "g": 0.5, "b": 0}, "width": 4}]}},
      {"type": "path", "id": "r3-fill", "segments": [{"p": [0, 80]}, {"p": [100, 80]}],
       "appearance": {"paint": [{"kind": "stroke", "color": {"kind": "gray", "gray": 0}, "width": 2}]}}]},
    {"id": "casing", "title": "道路_縁", "art": [
      {"type": "path", "id": "r1-casing", "segments": [{"p": [0, 0]}, {"p": [50, 0]}, {"p": [100, 20]}],
       "appearance": {"paint": [{"kind": "stroke", "color": {"kind": "gray", "gray": 1}, "width": 6}]}},
      {"type": "path", "id": "r2-casing", "segments": [{"p": [0, 40]}, {"p": [100, 40]}],
       "appearance": {"paint": [{"kind": "stroke", "color": {"kind": "gray", "gray": 1}, "width": 6}]}},
      {"type": "path", "id": "r3-casing", "segments": [{"p": [0, 80]}, {"p": [100, 80]}],
       "appearance": {"paint": [{"kind": "stroke", "color": {"kind": "gray", "gray": 1}, "width": 9}]}}]},
    {"id": "other", "title": "その他", "art": [
      {"type": "path", "id": "q", "segments": [{"p": [0, 200]}, {"p": [80, 210]}]},
      {"type": "path", "id": "q2", "segments": [{"p": [0, 300]}, {"p": [80, 310]}]},
      {"type": "text", "id": "t", "text": "駅", "anchor": [5, 5]}]}
  ]})";

// Three copies of one road in three layers, the middle one in a group.
inline constexpr char kThreeCopies[] = R"({
  "format": "laneworks-document", "version": 1, "currentLayer": "top",
  "layers": [
    {"id": "top", "title": "上", "art": [
      {"type": "path", "id": "front", "segments": [{"p": [0, 0]}, {"p": [50, 0]}, {"p": [100, 20]}],
       "appearance": {"paint": [{"kind": "stroke", "color": {"kind": "gray", "gray": 0}, "width": 2}]}}]},
    {"id": "mid", "title": "中", "art": [
      {"type": "path", "id": "middle", "segments": [{"p": [0, 0]}, {"p": [50, 0]}, {"p": [100, 20]}],
       "appearance": {"paint": [{"kind": "stroke", "color": {"kind": "gray", "gray": 0.5}, "width": 4}]}},
      {"type": "path", "id": "other-road", "segments": [{"p": [0, 50]}, {"p": [90, 50]}]},
      {"type": "path", "id": "other-road-copy", "segments": [{"p": [0, 50]}, {"p": [90, 50]}]}]},
    {"id": "bottom", "title": "下", "art": [
      {"type": "path", "id": "back", "segments": [{"p": [0, 0]}, {"p": [50, 0]}, {"p": [100, 20]}],
       "appearance": {"paint": [{"kind": "stroke", "color": {"kind": "gray", "gray": 1}, "width": 6}]}}]}
  ]})";

// Roads drawn as a casing in 道路_縁 under a fill in 道路_中, broken in each way a check finds:
// a is whole; b lost its casing; c's fill was made twice; d's fill was reshaped on its own; e's
// casing was pasted into the fill layer.
inline constexpr char kBrokenRoads[] = R"({
  "format": "laneworks-document", "version": 1, "currentLayer": "fill",
  "layers": [
    {"id": "fill", "title": "道路_中", "art": [
      {"type": "path", "id": "a-fill", "segments": [{"p": [0, 0]}, {"p": [100, 0]}],
       "appearance": {"paint": [{"kind": "stroke", "color": {"kind": "gray", "gray": 0}, "width": 4}]}},
      {"type": "path", "id": "b-fill", "segments": [{"p": [0, 20]}, {"p": [100, 20]}],
       "appearance": {"paint": [{"kind": "stroke", "color": {"kind": "gray", "gray": 0}, "width": 4}]}},
      {"type": "path", "id": "c-fill-2", "segments": [{"p": [0, 40]}, {"p": [100, 40]}],
       "appearance": {"paint": [{"kind": "stroke", "color": {"kind": "gray", "gray": 0}, "width": 4}]}},
      {"type": "path", "id": "c-fill", "segments": [{"p": [0, 40]}, {"p": [100, 40]}],
       "appearance": {"paint": [{"kind": "stroke", "color": {"kind": "gray", "gray": 0}, "width": 4}]}},
      {"type": "path", "id": "d-fill", "segments": [{"p": [0, 60]}, {"p": [50, 62]}, {"p": [100, 60]}],
       "appearance": {"paint": [{"kind": "stroke", "color": {"kind": "gray", "gray": 0}, "width": 4}]}},
      {"type": "path", "id": "e-casing", "segments": [{"p": [0, 80]}, {"p": [100, 80]}],
       "appearance": {"paint": [{"kind": "stroke", "color": {"kind": "gray", "gray": 1}, "width": 6}]}},
      {"type": "path", "id": "e-fill", "segments": [{"p": [0, 80]}, {"p": [100, 80]}],
       "appearance": {"paint": [{"kind": "stroke", "color": {"kind": "gray", "gray": 0}, "width": 4}]}}]},
    {"id": "casing", "title": "道路_縁", "art": [
      {"type": "path", "id": "a-casing", "segments": [{"p": [0, 0]}, {"p": [100, 0]}],
       "appearance": {"paint": [{"kind": "stroke", "color": {"kind": "gray", "gray": 1}, "width": 6}]}},
      {"type": "path", "id": "c-casing", "segments": [{"p": [0, 40]}, {"p": [100, 40]}],
       "appearance": {"paint": [{"kind": "stroke", "color": {"kind": "gray", "gray": 1}, "width": 6}]}},
      {"type": "path", "id": "d-casing", "segments": [{"p": [0, 60]}, {"p": [50, 60]}, {"p": [100, 60]}],
       "appearance": {"paint": [{"kind": "stroke", "color": {"kind": "gray", "gray": 1}, "width": 6}]}}]}
  ]})";

// Small documents for the engine tests.
#pragma once

// A road drawn four times: c1 in L1 (the top layer), c2front and c2back in L2, c3 in a group of
// L3; a text and a lone path beside them; a layer A with a sublayer B; two layers titled 同名.
inline constexpr char kStackedRoads[] = R"({
  "format": "laneworks-document", "version": 1, "currentLayer": "l1",
  "layers": [
    {"id": "l1", "title": "L1", "art": [
      {"type": "path", "id": "c1", "segments": [{"p": [0, 0]}, {"p": [50, 0]}, {"p": [100, 20]}],
       "appearance": {"paint": [{"kind": "stroke", "color": {"kind": "gray", "gray": 0}, "width": 4}]}},
      {"type": "text", "id": "t1", "text": "道", "anchor": [0, 0]}]},
    {"id": "l2", "title": "L2", "art": [
      {"type": "path", "id": "c2front", "segments": [{"p": [0, 0]}, {"p": [50, 0]}, {"p": [100, 20]}]},
      {"type": "path", "id": "c2back", "segments": [{"p": [0, 0]}, {"p": [50, 0]}, {"p": [100, 20]}]},
      {"type": "path", "id": "lone", "segments": [{"p": [0, 5]}, {"p": [50, 5]}]}]},
    {"id": "l3", "title": "L3", "art": [
      {"type": "group", "id": "g", "art": [
        {"type": "path", "id": "c3", "segments": [{"p": [0, 0]}, {"p": [50, 0]}, {"p": [100, 20]}],
         "appearance": {"paint": [{"kind": "stroke", "color": {"kind": "gray", "gray": 1}, "width": 8}]}}]}]},
    {"id": "a", "title": "A", "art": [
      {"type": "layer", "id": "b", "title": "B", "art": [
        {"type": "path", "id": "inB", "segments": [{"p": [0, 9]}, {"p": [9, 9]}]}]}]},
    {"id": "dup1", "title": "同名"},
    {"id": "dup2", "title": "同名"}
  ]})";

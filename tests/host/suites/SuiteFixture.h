// A host with a small document open, for calling the document suites as the plug-in does.
#pragma once

#include <gtest/gtest.h>

#include "host/core/Host.h"
#include "host/document/DocumentJson.h"
#include "host/suites/DocumentSuites.h"

class SuiteTest : public ::testing::Test {
 protected:
  // Two top-level layers; "top" holds a group with two paths and a sublayer, "base" one path
  // equal to "a" and one closed square.
  static constexpr const char* kDocument = R"({
    "format": "laneworks-document", "version": 1, "currentLayer": "top",
    "layers": [
      {"id": "top", "title": "上", "art": [
        {"type": "group", "id": "g", "art": [
          {"type": "path", "id": "a", "segments": [{"p": [0, 0]}, {"p": [10, 0]}, {"p": [20, 5]}],
           "appearance": {"paint": [{"kind": "stroke", "color": {"kind": "gray", "gray": 0}, "width": 4}]}},
          {"type": "path", "id": "b", "segments": [{"p": [0, 10]}, {"p": [10, 10]}]}]},
        {"type": "layer", "id": "sub", "title": "下位", "art": [
          {"type": "path", "id": "c", "segments": [{"p": [0, 20]}, {"p": [10, 20]}]}]}]},
      {"id": "base", "title": "下", "art": [
        {"type": "path", "id": "a2", "segments": [{"p": [0, 0]}, {"p": [10, 0]}, {"p": [20, 5]}],
         "appearance": {"paint": [{"kind": "stroke", "color": {"kind": "gray", "gray": 1}, "width": 8}]}},
        {"type": "path", "id": "square", "closed": true,
         "segments": [{"p": [0, 0]}, {"p": [10, 0]}, {"p": [10, 10]}, {"p": [0, 10]}]}]}
    ]})";

  void SetUp() override { host_.documents().Replace(host::ReadDocument(kDocument)); }

  host::Document& doc() { return *host_.documents().current(); }
  AIArtHandle Art(const char* id) { return doc().FindArt(id)->handle(); }
  AILayerHandle Layer(const char* id) { return doc().FindLayer(id)->handle(); }
  int Violations() { return host_.transcript().ViolationCount(); }

  host::Host host_;
  const AIArtSuite& art_ = *host::suites::ArtSuite();
  const AIArtSetSuite& sets_ = *host::suites::ArtSetSuite();
  const AILayerSuite& layers_ = *host::suites::LayerSuite();
  const AIPathSuite& paths_ = *host::suites::PathSuite();
};

// One seeded random session: a random document opened in the in-process host with the frame's
// test plug-in started, then random steps through the engine, the scissors tool and the width
// command, each followed by the invariant checks. Alerts are answered at random as they come,
// and the answers recorded, so that the session can be written as a script for the real plug-in.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/OverlapSettingStore.h"
#include "host/core/Session.h"
#include "tests/random/DocumentSnapshot.h"
#include "tests/random/RandomDocument.h"
#include "tests/random/SessionSteps.h"
#include "tools/MultiScissorsTool.h"

namespace random_sessions {

class RandomSession {
 public:
  explicit RandomSession(std::uint64_t seed);
  ~RandomSession();
  RandomSession(const RandomSession&) = delete;
  RandomSession& operator=(const RandomSession&) = delete;

  // Runs the steps and shuts the plug-in down; answers the first broken invariant, naming its
  // step, or an empty text.
  std::string Run();

  const std::string& DocumentJson() const { return document_.json; }
  const std::vector<Step>& Steps() const { return steps_; }
  std::string Transcript() { return host_.transcript().Text(); }

 private:
  Step NextStep();
  Step Selection();
  Step StateChange();
  Step Preferences();
  Step ScissorsClick();
  Step WidthChange();
  // Runs the step as the host or the plug-in's panel, tool or command would; answers the host
  // error the engine or tool returned.
  AIErr Perform(const Step& step);
  std::string CheckStep(const Step& step, const DocumentSnapshot& before,
                        const DocumentSnapshot& after, std::int32_t historyBefore);
  std::string Finish();

  host::Document& Doc() { return *host_.documents().current(); }
  std::vector<std::string> ArtIds(bool pathsOnly);
  bool PathSelected();

  RandomSource random_;
  RandomSource answers_;  // a source of its own, so that answers do not shift the steps
  GeneratedDocument document_;
  host::Host host_;
  host::Session session_;
  std::optional<OverlapSettingStore> store_;
  std::optional<MultiScissorsTool> scissors_;
  std::vector<Step> steps_;
  std::vector<host::Alerts::Answer>* answering_ = nullptr;  // the running step's answers
  bool currentFromBatch_ = false;
  bool finished_ = false;
};

}  // namespace random_sessions

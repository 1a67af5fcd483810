// The host's web browser, as far as the headless host has one: the shell opens http and https
// addresses with the recorder program beside the host (registered here, in the Wine prefix's
// classes), which appends each address to this session's log instead of showing it. The
// "browser" command reports what was opened.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "host/core/Session.h"

namespace host {

class Browser {
 public:
  // Registers the recorder and starts a fresh, empty log, named in the environment that the
  // programs the shell starts inherit.
  explicit Browser(Host& host);
  // Removes the log and its name from the environment.
  ~Browser();
  Browser(const Browser&) = delete;
  Browser& operator=(const Browser&) = delete;

  void AddCommands(Session& session);
  // The addresses opened since the last call, in order. The shell starts the recorder without
  // waiting for it, so this first waits (at most 10 s) for recorders this process started.
  std::vector<std::string> TakeOpened();
  // Why addresses cannot be recorded; empty when they can.
  const std::string& problem() const { return problem_; }

 private:
  Host& host_;
  std::wstring log_;
  std::uintmax_t taken_ = 0;  // bytes of the log already reported
  std::string problem_;
};

// Makes the shell open http and https addresses with recorder: the classes' "open" commands.
// Answers what went wrong, or an empty text.
std::string RegisterUrlRecorder(const std::wstring& recorder);

}  // namespace host

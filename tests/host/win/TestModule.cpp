#include "tests/host/win/TestModule.h"

#include <algorithm>

#include "host/core/Utf.h"
#include "host/win/WideText.h"

namespace testing_support {
namespace {

std::vector<std::string> gEvents;

SPErr AnswerEverything(const char*, const char*, void*) {
  return kNoErr;
}

AIErr OnFlyoutOpening(AIPanelRef) {
  gEvents.push_back("flyout opening");
  return kNoErr;
}
AIErr OnFlyoutChosen(AIPanelRef, std::uint32_t itemId) {
  gEvents.push_back("chose " + std::to_string(itemId));
  return kNoErr;
}
AIErr OnVisibility(AIPanelRef, AIBoolean shown) {
  gEvents.push_back(shown ? "shown" : "hidden");
  return kNoErr;
}
AIErr OnSize(AIPanelRef) {
  gEvents.push_back("size");
  return kNoErr;
}
AIErr OnState(AIPanelRef, std::int16_t state) {
  gEvents.push_back("state " + std::to_string(state));
  return kNoErr;
}
// The panel must already be hidden when the plug-in hears that the user closed it.
AIErr OnClosed(AIPanelRef panel) {
  AIBoolean shown = 1;
  host::PanelDocks::Suite()->IsShown(panel, &shown);
  gEvents.push_back(shown ? "closed while shown" : "closed");
  return kNoErr;
}

}  // namespace

LaneWorksGuiCounts gTestGuiCounts{};

SPPluginEntry TestModule::Load(host::PluginProperties* properties, std::string*) {
  properties->entryName = "AnswerEverything";
  return &AnswerEverything;
}

std::string TestModule::FilePath() const {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  return host::Narrow(path);
}

HostText::HostText(host::Host& host, const std::string& utf8)
    : host_(host), ref_(host.strings().Add(*host::Utf8ToUtf16(utf8))) {}

PanelTest::PanelTest()
    : session_(
          host_, [](const std::string&) { return std::make_unique<TestModule>(); },
          "host_win_tests.exe") {
  host_.SetAppWindow(window_.handle());
  host::AddPanelCommands(session_, docks_);
  guiCounts_.AddCommands(session_);
}

void PanelTest::SetUp() {
  gEvents.clear();
  gTestGuiCounts = {};
  RunLines("start");
  ASSERT_TRUE(host_.Loaded()) << Transcript();
}

void PanelTest::TearDown() {
  gTestGuiCounts = {};
}

AIErr PanelTest::Create(const char* id, double width, double height, std::int16_t states,
                        AIPanelRef* panel) {
  const HostText idText(host_, id);
  const HostText title(host_, "重ね線");
  const AISize minimum = {width, height};
  return suite_.Create(host_.PluginRef(), idText, title, states, &minimum, false, nullptr, &gEvents,
                       panel);
}

AIPanelRef PanelTest::Make(const char* id, double width, double height, bool resizable,
                           AIPanelFlyoutMenuRef menu, std::int16_t states) {
  const HostText idText(host_, id);
  const HostText title(host_, "重ね線");
  const AISize minimum = {width, height};
  AIPanelRef panel = nullptr;
  EXPECT_EQ(suite_.Create(host_.PluginRef(), idText, title, states, &minimum, resizable ? 1 : 0,
                          menu, &gEvents, &panel),
            kNoErr);
  EXPECT_EQ(suite_.SetFlyoutMenuPreVisibilityProc(panel, &OnFlyoutOpening), kNoErr);
  EXPECT_EQ(suite_.SetFlyoutMenuProc(panel, &OnFlyoutChosen), kNoErr);
  EXPECT_EQ(suite_.SetVisibilityChangedNotifyProc(panel, &OnVisibility), kNoErr);
  EXPECT_EQ(suite_.SetSizeChangedNotifyProc(panel, &OnSize), kNoErr);
  EXPECT_EQ(suite_.SetStateChangedNotifyProc(panel, &OnState), kNoErr);
  EXPECT_EQ(suite_.SetClosedByUserNotifyProc(panel, &OnClosed), kNoErr);
  return panel;
}

HWND PanelTest::Platform(AIPanelRef panel) {
  AIWindowRef window = nullptr;
  EXPECT_EQ(suite_.GetPlatformWindow(panel, &window), kNoErr);
  return static_cast<HWND>(window);
}

SIZE PanelTest::ClientSize(HWND window) {
  RECT client = {};
  GetClientRect(window, &client);
  return {client.right, client.bottom};
}

void PanelTest::RunLines(const std::string& lines) {
  std::size_t start = 0;
  while (start <= lines.size()) {
    const std::size_t end = lines.find('\n', start);
    session_.RunLine(lines.substr(start, end == std::string::npos ? end : end - start));
    if (end == std::string::npos) break;
    start = end + 1;
  }
}

long PanelTest::Find(const std::string& line) {
  const auto& lines = host_.transcript().Lines();
  const auto found = std::find(lines.begin(), lines.end(), line);
  return found == lines.end() ? -1 : static_cast<long>(found - lines.begin());
}

bool PanelTest::Has(const std::string& line) {
  return Find(line) >= 0;
}

std::vector<std::string>& PanelTest::Events() {
  return gEvents;
}

}  // namespace testing_support

// The export the host reads the plug-in's counts through.
extern "C" __declspec(dllexport) void LaneWorksGetGuiCounts(LaneWorksGuiCounts* counts) noexcept {
  *counts = testing_support::gTestGuiCounts;
}

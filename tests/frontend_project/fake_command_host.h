#pragma once
// A stand-in for the main window in tests of the project commands and the
// analysis run: it records the boxes shown, answers questions and file
// dialogs from queues, and gives a stand-in engine that records how it was
// called and may write output files as the real engine would.
#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "frontend/project/command_host.h"
#include "frontend/project/dynamic_library.h"
#include "frontend/project/engine_binding.h"

namespace murena::testing_support {

struct Notice {
  NoticeKind kind;
  std::string text;
  bool operator==(const Notice&) const = default;
};

// What the stand-in engine saw during its call.
struct EngineCall {
  std::filesystem::path currentDirectory;
  std::string runControlText;
  bool waitCursorOn = false;
  int interfaceNumber = 0;
};

class FakeCommandHost : public CommandHost {
 public:
  // ---- answers
  std::deque<Choice> choices;                          // questions (default: Cancel)
  std::deque<std::optional<std::string>> saveNames;    // save dialogs (default: cancelled)
  std::deque<std::optional<ChosenFile>> openNames;     // open dialogs (default: cancelled)
  bool commitSucceeds = true;
  bool resultsLoad = true;                             // what loadResults returns
  std::string libraryPath = "/nonexistent/Murena2015_DLL.so";
  // The stand-in engine: when set, createEngine gives one that runs this.
  std::function<int(int)> engineBody;
  bool engineLoadFails = false;
  bool useRealEngine = false;

  // ---- records
  std::vector<Notice> notices;
  std::vector<std::string> questions;
  std::vector<std::string> saveTitles, saveStarts;
  std::vector<std::string> loadedPlots;
  std::vector<bool> loadReportsErrors;  // per loading: whether a failure is told
  std::vector<EngineCall> engineCalls;
  std::vector<const GridTable*> closedEditors;
  int childWindowCloses = 0, tableEditorCloses = 0, reloads = 0, projectChanges = 0, recentChanges = 0;
  int waitCursorDepth = 0;
  int engineUnloads = 0;

  void showNotice(NoticeKind kind, const std::string& text) override { notices.push_back({kind, text}); }
  Choice askChoice(const std::string& question, bool withCancel) override {
    questions.push_back(question);
    if (choices.empty()) return withCancel ? Choice::Cancel : Choice::No;
    const Choice c = choices.front();
    choices.pop_front();
    return c;
  }
  std::optional<ChosenFile> askOpenFileName(const std::string&, const std::string&, const std::string&,
                                            int) override {
    if (openNames.empty()) return std::nullopt;
    auto c = openNames.front();
    openNames.pop_front();
    return c;
  }
  std::optional<std::string> askSaveFileName(const std::string& title, const std::string& start,
                                             const std::string&) override {
    saveTitles.push_back(title);
    saveStarts.push_back(start);
    if (saveNames.empty()) return std::nullopt;
    auto c = saveNames.front();
    saveNames.pop_front();
    return c;
  }
  void setWaitCursor(bool on) override { waitCursorDepth += on ? 1 : -1; }
  bool commitEdits() override { return commitSucceeds; }
  void closeChildWindows() override { ++childWindowCloses; }
  void closeTableEditor(GridTable& table) override { closedEditors.push_back(&table); }
  void closeTableEditors() override { ++tableEditorCloses; }
  void reloadChildWindows() override { ++reloads; }
  bool loadResults(const std::string& plotFile, bool reportErrors) override {
    loadedPlots.push_back(plotFile);
    loadReportsErrors.push_back(reportErrors);
    return resultsLoad;
  }
  void projectChanged() override { ++projectChanges; }
  void recentFilesChanged() override { ++recentChanges; }
  std::string engineLibraryPath() const override { return libraryPath; }
  std::unique_ptr<EngineBinding> createEngine() override;

  std::vector<std::string> noticeTexts() const {
    std::vector<std::string> out;
    for (const Notice& n : notices) out.push_back(n.text);
    return out;
  }
};

class FakeEngine : public EngineBinding {
 public:
  explicit FakeEngine(FakeCommandHost& host) : host_(host) {}
  void load(const std::string& path) override {
    if (host_.engineLoadFails || path.empty()) throw EFileNotFoundError();
  }
  int callEntry(int number) override {
    EngineCall call;
    call.currentDirectory = std::filesystem::current_path();
    std::ifstream names("NAMES.dat", std::ios::binary);
    call.runControlText.assign(std::istreambuf_iterator<char>(names), {});
    call.waitCursorOn = host_.waitCursorDepth > 0;
    call.interfaceNumber = number;
    host_.engineCalls.push_back(call);
    // Scratch files as the engine leaves them.
    for (const char* scratch : {"KESTRA.001", "SOILDATA", "debug.dat"}) std::ofstream(scratch) << "x";
    return host_.engineBody ? host_.engineBody(number) : 0;
  }
  void unload() override { ++host_.engineUnloads; }

 private:
  FakeCommandHost& host_;
};

inline std::unique_ptr<EngineBinding> FakeCommandHost::createEngine() {
  if (useRealEngine) return std::make_unique<TLibraryEngine>();
  return std::make_unique<FakeEngine>(*this);
}

}  // namespace murena::testing_support

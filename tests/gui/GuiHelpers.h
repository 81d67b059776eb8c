// A main window in a temporary folder with a settings file of the test's
// choosing, file dialogs and desktop answered by the test, and a way to let
// the event loop run.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>
#include <wx/evtloop.h>
#include <wx/timer.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/dialogs/FileChooser.h"
#include "app/dialogs/KeptGamesForm.h"
#include "app/window/MainForm.h"
#include "app/toolkit/Shell.h"
#include "puzzle/VekCube.h"
#include "render/VekGL.h"

// Runs the event loop until Done() holds or TimeoutMs pass; true if it held.
inline bool PumpUntil(const std::function<bool()>& Done, int TimeoutMs) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(TimeoutMs);
  wxGUIEventLoop loop;
  wxTimer poll;
  poll.Bind(wxEVT_TIMER, [&](wxTimerEvent&) {
    if (Done() || std::chrono::steady_clock::now() >= deadline) loop.Exit();
  });
  poll.Start(5);
  loop.Run();
  poll.Stop();
  return Done();
}

inline void Pump(int Ms) {
  PumpUntil([] { return false; }, Ms);
}

struct FakeChooser : FileChooser {
  bool answer = true;
  wxString path;
  // What a save is asked for: a game unless a test says otherwise.
  wxString saveFilter = "Tessaro File|*.cube", saveExtension = "cube";
  std::vector<wxString> proposed;  // names offered by Save as
  int opens = 0, saves = 0;
  bool ChooseOpen(wxWindow*, const wxString& filter, wxString& chosen) override {
    ++opens;
    EXPECT_EQ(filter, "Tessaro File|*.cube");
    chosen = path;
    return answer;
  }
  bool ChooseSave(wxWindow*, const wxString& filter, const wxString& name, const wxString& ext,
                  wxString& chosen) override {
    ++saves;
    EXPECT_EQ(filter, saveFilter);
    EXPECT_EQ(ext, saveExtension);
    proposed.push_back(name);
    chosen = path;
    return answer;
  }
};

struct FakeShell : Shell {
  std::vector<std::string> documents, addresses;
  bool OpenDocument(const std::string& p) override { documents.push_back(p); return opens; }
  bool opens = true;  // false: the desktop has no program for the document
  bool OpenAddress(const std::string& a) override { addresses.push_back(a); return true; }
};

class MainFormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = std::filesystem::temp_directory_path() /
             ("tessaro-gui-" + std::to_string(::getpid()) + "-" +
              ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    // A game left running at the end of a test is kept here, never in the
    // tester's own data folder.
    for (auto& [name, value] : savedEnvironment) {
      const char* v = std::getenv(name.c_str());
      value = v ? std::optional<std::string>(v) : std::nullopt;
    }
    setenv("XDG_DATA_HOME", DataFolder().c_str(), 1);
  }
  void TearDown() override {
    // Settings are written while the folder still exists.
    if (form) form->FormDestroy();
    if (form) form->Destroy();
    form = nullptr;
    Pump(20);
    std::filesystem::remove_all(folder);
    for (const auto& [name, value] : savedEnvironment) {
      if (value) setenv(name.c_str(), value->c_str(), 1);
      else unsetenv(name.c_str());
    }
  }

  // Settings file lines (without the section header); empty: no file at all.
  void Start(const std::vector<std::string>& settings = {}) {
    if (!settings.empty()) {
      std::ofstream ini(SettingsPath());
      ini << "[Settings]\n";
      for (const std::string& line : settings) ini << line << "\n";
    }
    MainFormServices services;
    services.SettingsPath = SettingsPath();
    services.Chooser = &chooser;
    services.Desktop = &shell;
    services.ExecutableFolder = folder.string();
    services.StatusObserver = [this](const wxString& text) { statuses.push_back(text.ToStdString(wxConvUTF8)); };
    services.ShowError = [this](const wxString& text) { errors.push_back(text.ToStdString(wxConvUTF8)); };
    services.Ask = [this](const wxString& text) {
      questions.push_back(text.ToStdString(wxConvUTF8));
      return answerYes;
    };
    services.AskMoves = [this](const wxString&, wxString& moves, TextSelection selection) {
      offeredMoves.push_back({moves.ToStdString(wxConvUTF8), selection});
      if (typedMoves.empty()) return false;
      moves = wxString::FromUTF8(typedMoves.front());
      typedMoves.erase(typedMoves.begin());
      return true;
    };
    services.ShowText = [this](const wxString&, const wxString& text, bool offerReview) {
      shownTexts.push_back(text.ToStdString(wxConvUTF8));
      return offerReview && reviewAsked;
    };
    services.ShowStatistics = [this](SolveLog& history, int size) { return statistics ? statistics(history, size) : std::nullopt; };
    services.ChooseKeptGame = [this](const KeptGamesChoice& c) { return ++keptListsShown, chooseKept ? chooseKept(c) : ""; };
    form = new TMainForm(services);
    form->Show();
    form->FormCreate();
    Pump(30);
  }

  std::string SettingsPath() const { return settingsPath.empty() ? (folder / "tessaro3d.ini").string() : settingsPath; }
  std::string settingsPath;  // set before Start to use another file
  std::string Path(const std::string& name) const { return (folder / name).string(); }
  // XDG_DATA_HOME of the test's window, and where it keeps a game on closing.
  std::string DataFolder() const { return (folder / "data").string(); }
  std::string KeptFolder() const { return (folder / "data" / "tessaro3d").string(); }
  // The games kept in the data folder (resume*.cube), sorted.
  std::vector<std::string> KeptGames() const {
    std::vector<std::string> found;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(KeptFolder(), ec)) {
      const std::string name = entry.path().filename().string();
      if (name.rfind("resume", 0) == 0 && entry.path().extension() == ".cube") found.push_back(entry.path().string());
    }
    std::sort(found.begin(), found.end());
    return found;
  }
  // Waits while the frame loop plays the window's turns (a scramble, an undo,
  // typed moves): true once they are done.
  bool Played(TMainForm* window = nullptr) {
    TMainForm& w = window ? *window : *form;
    return PumpUntil([&] { return !w.Animating(); }, 60000);
  }
  VEKGL& gl() { return *form->Renderer; }
  VEKBigCube& cube() { return *form->Renderer->Cube; }

  std::filesystem::path folder;
  FakeChooser chooser;
  FakeShell shell;
  std::vector<std::string> statuses;
  std::vector<std::string> errors;
  std::vector<std::string> questions;  // asked of the player, answered answerYes
  bool answerYes = true;
  std::vector<std::string> typedMoves;  // the lines typed into the moves dialog, in turn
  // What the moves dialog held when it opened, and what it selected.
  std::vector<std::pair<std::string, TextSelection>> offeredMoves;
  std::vector<std::string> shownTexts;  // texts shown to read and copy
  bool reviewAsked = false;             // the moves' box answers "review" when it offers it
  // Answers the statistics box: the game to replay, or none.
  std::function<std::optional<SolveEntry>(SolveLog&, int)> statistics;
  std::function<std::string(const KeptGamesChoice&)> chooseKept;  // the player's answer to the list
  int keptListsShown = 0;
  TMainForm* form = nullptr;
  // The variables a test may change, put back afterwards.
  std::vector<std::pair<std::string, std::optional<std::string>>> savedEnvironment{
      {"XDG_DATA_HOME", std::nullopt}, {"HOME", std::nullopt}};
};

inline std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// True when every point of every cubie is where a freshly built cube of the
// same size has it.
inline bool IsSolved(const VEKBigCube& cube) {
  auto fresh = std::make_unique<VEKBigCube>();
  fresh->Build(cube.Size);
  for (int b = 0; b < cube.CubieCount; ++b) {
    for (int p = 0; p < kPointsPerCubie; ++p) {
      const VEKVector &u = cube.Cubies[b].Points[p], &v = fresh->Cubies[b].Points[p];
      if (u.X != v.X || u.Y != v.Y || u.Z != v.Z) return false;
    }
  }
  return true;
}

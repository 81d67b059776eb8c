// The player's input while a turn or a scramble is animated: dropped, so
// that none of it runs afterwards, except what the game promises to do once
// the animation ends (the gesture's end, undo and redo, Stop and Exit during
// a scramble), which is kept here until then.
#pragma once

#include <wx/eventfilter.h>

#include <deque>
#include <functional>

class wxGLCanvas;

class AnimationInput : public wxEventFilter {
 public:
  struct Hooks {
    std::function<bool()> Animating;
    std::function<bool()> Scrambling;
    std::function<void()> StopScramble;
    // Any input at all (here or in a dialog) may change the picture.
    std::function<void()> Input;
    // The computer's solution is being played: a press on the cube stops it.
    std::function<bool()> PlayingSolution;
  };
  // Filters the whole application's events from now until destroyed.
  AnimationInput(wxGLCanvas& canvas, Hooks hooks);
  ~AnimationInput() override;

  int FilterEvent(wxEvent& event) override;
  // Between two frames of an animation: repaints, resizes and a close
  // request are handled; user input is taken too, and dropped by the filter.
  static void YieldBetweenFrames();

  // Undo (true) or redo asked for; taken in order after the animation.
  void QueueHistoryStep(bool undo) { historySteps_.push_back(undo); }
  bool NextHistoryStep(bool& undo);
  void ClearHistorySteps() { historySteps_.clear(); }
  // A mouse button went up on the canvas during the animation: true once.
  bool TakeReleasedGesture();
  // The Stop or Exit command asked for during the scramble (0 for none): once.
  int TakeCommandAfterScramble();

 private:
  wxGLCanvas& canvas_;
  Hooks hooks_;
  std::deque<bool> historySteps_;
  bool releasedDuringAnimation_ = false;
  int afterScramble_ = 0;
};

#include "app/window/AnimationInput.h"

#include <wx/evtloop.h>
#include <wx/glcanvas.h>

#include "app/window/CommandIds.h"
#include "app/window/InputKeys.h"

AnimationInput::AnimationInput(wxGLCanvas& canvas, Hooks hooks) : canvas_(canvas), hooks_(std::move(hooks)) {
  wxEvtHandler::AddFilter(this);
}

AnimationInput::~AnimationInput() { wxEvtHandler::RemoveFilter(this); }

int AnimationInput::FilterEvent(wxEvent& event) {
  if (event.GetEventCategory() != wxEVT_CATEGORY_USER_INPUT) return Event_Skip;
  const wxEventType type = event.GetEventType();
  // The toolkit asks for the state of commands whenever it is idle: that is
  // no input, and waking for it would keep the frame timer awake.
  if (type != wxEVT_UPDATE_UI) hooks_.Input();
  if (!hooks_.Animating()) return Event_Skip;
  if ((type == wxEVT_LEFT_UP || type == wxEVT_RIGHT_UP || type == wxEVT_MIDDLE_UP) &&
      event.GetEventObject() == &canvas_ && canvas_.HasCapture()) {
    // The pointer is free at once, so that the close box and the menus
    // answer; the gesture itself ends after the animation.
    canvas_.ReleaseMouse();
    releasedDuringAnimation_ = true;
  }
  const bool scrambling = hooks_.Scrambling();
  if ((type == wxEVT_LEFT_DOWN || type == wxEVT_RIGHT_DOWN) && event.GetEventObject() == &canvas_ &&
      hooks_.PlayingSolution && hooks_.PlayingSolution()) {
    hooks_.StopScramble();
  }
  if (type == wxEVT_MENU || type == wxEVT_TOOL) {
    const int id = event.GetId();
    if (scrambling && (IsStopCommand(id) || IsExitCommand(id))) {
      afterScramble_ = id;
      hooks_.StopScramble();
    } else if (!scrambling && (IsUndoCommand(id) || IsRedoCommand(id))) {
      // Presses made while a turn is shown wait their turn.
      QueueHistoryStep(IsUndoCommand(id));
    }
  }
  // The menu's shortcuts would act only on a key nobody took: undo and redo
  // are queued here, and no key goes further, so that no other shortcut (a
  // new game, say) acts in the middle of a turn.
  if (type == wxEVT_CHAR_HOOK && !scrambling) {
    const auto& key = static_cast<wxKeyEvent&>(event);
    if (IsHistoryKey(key)) QueueHistoryStep(key.GetKeyCode() == 'Z' && !key.ShiftDown());
  }
  return Event_Processed;
}

void AnimationInput::YieldBetweenFrames() {
  // Our own queued calls and idle work wait for the animation.
  constexpr long kCategories = wxEVT_CATEGORY_UI | wxEVT_CATEGORY_USER_INPUT;
  if (wxEventLoopBase* loop = wxEventLoopBase::GetActive()) {
    loop->YieldFor(kCategories);
  } else {
    wxGUIEventLoop().YieldFor(kCategories);
  }
}

bool AnimationInput::NextHistoryStep(bool& undo) {
  if (historySteps_.empty()) return false;
  undo = historySteps_.front();
  historySteps_.pop_front();
  return true;
}

bool AnimationInput::TakeReleasedGesture() {
  const bool released = releasedDuringAnimation_;
  releasedDuringAnimation_ = false;
  return released;
}

int AnimationInput::TakeCommandAfterScramble() {
  const int id = afterScramble_;
  afterScramble_ = 0;
  return id;
}

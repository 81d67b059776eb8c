// The main window's wiring: its commands, keys, mouse and window events
// bound to its handlers, and the state the command items show. Only the
// window's public handlers are called from here.
#pragma once

#include "app/window/MainForm.h"
#include "app/window/PicturePanel.h"

void BindCommandTable(TMainForm& form);
// Keys and the wheel anywhere in the frame; minimising, showing, covering
// and closing the window.
void BindWindowEvents(TMainForm& form);
// The picture's mouse, expose and resize, handed to the window.
PicturePanel::Handlers PictureHandlers(TMainForm& form);

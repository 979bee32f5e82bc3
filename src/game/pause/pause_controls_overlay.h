#pragma once
// The pause menu's Controls entry: the controls page (ControlsEditor) laid over
// the paused match instead of a level change, so the match's objects, scores
// and timers stay exactly as they were. It draws a dimmed backdrop, the cream
// board and the page's lines at the places the Controls screen has them.
// Keeping hands the new bindings to the game and writes the settings file
// (the editor does both); backing out changes nothing.

#include <array>

#include "api/script_api.h"
#include "game/menus/controls_editor.h"

class PauseControlsOverlay {
public:
    void Open(int32_t backdropLayer, int32_t layer);
    // One frame while open; anything but kEditing means the page was left
    // (and is already closed).
    ControlsEditor::Outcome Update(float dt);
    void Close();
    bool IsOpen() const { return open_; }

    ControlsEditor editor;

private:
    enum Line { kTitle, kHeading1, kHeading2, kMessage, kHint, kLineCount };

    bool open_ = false;
    api::ObjectRef backdrop_;
    api::ObjectRef board_;
    std::array<api::ObjectRef, kLineCount> lines_;
};

#pragma once

// Which of a window's picture buttons is held down. A press on one holds it; its release,
// a move off it, or a move over the window's background lets go. While one is held, a
// button under the pointer shows its pressed picture.
class ButtonPress
{
public:
    void hold() { held_ = true; }
    void letGo() { held_ = false; }
    bool isHeld() const { return held_; }

private:
    bool held_ = false;
};

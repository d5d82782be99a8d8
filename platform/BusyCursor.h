#pragma once

// Shows the wait cursor for as long as the object lives, also when the work in between
// throws. Without a GUI application (or off the GUI thread) it does nothing.
class TBusyCursor {
public:
    TBusyCursor();
    ~TBusyCursor();
    TBusyCursor(const TBusyCursor&) = delete;
    TBusyCursor& operator=(const TBusyCursor&) = delete;

private:
    bool m_shown = false;
};

#pragma once

// Programs started by another program (the bus activates the automation service) get
// that program's environment, which outside a desktop session names no display.

// When neither DISPLAY nor WAYLAND_DISPLAY is set and no Qt platform is chosen
// (QT_QPA_PLATFORM), chooses Qt's offscreen platform, so the program starts instead of
// aborting. Call before the application object is made. True when it chose offscreen.
bool UseOffscreenWithoutDisplay();

#pragma once
// The short warning sound of the input controls when a key is refused. Tests replace the sound
// to count the refusals.

#include <functional>

namespace controls {

void beep();

// Installs what beep() does; an empty function gives back the system sound.
void setBeepHandler(std::function<void()> handler);

}  // namespace controls

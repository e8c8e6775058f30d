// What the program asks of its runtime about itself.
#pragma once

#include <QString>

namespace platform::App {

// The folder of the program's executable file, absolute, whatever the
// current folder was at start. Read afresh at every call.
QString Path();

// True when another instance of the program runs for this user. The first
// call takes the instance lock and holds it for the rest of the process's
// life.
bool PrevInstance();

} // namespace platform::App

namespace platform {

// Stops the process at once with exit status 0; nothing shows and no
// window stays open.
[[noreturn]] void End();

} // namespace platform

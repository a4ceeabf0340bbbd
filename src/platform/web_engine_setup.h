#pragma once

namespace vernik {

// What the embedded web engine needs before the application object is made:
// shared OpenGL contexts, and, when the program runs as root, no sandbox
// (QTWEBENGINE_DISABLE_SANDBOX=1), since the engine's sandbox refuses to
// start for root. A value the environment already gives is kept.
void prepareWebEngine();

}  // namespace vernik

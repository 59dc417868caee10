#pragma once

namespace browser {

// Prepares the process for the web engine, before its module loads: the engine's
// sandbox cannot run as root (containers, CI), so as root it runs without it unless
// the person chose otherwise in QTWEBENGINE_DISABLE_SANDBOX.
void prepareWebEngineEnvironment();

} // namespace browser

#pragma once

namespace kesvar::render {

// Painting text needs a QGuiApplication. A program without windows (the command line) calls this
// before creating it so that no display is needed: the "offscreen" platform is used unless the
// environment chooses another.
void useOffscreenPlatformUnlessChosen();

} // namespace kesvar::render

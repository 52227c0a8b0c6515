#pragma once

namespace kesvar::render {

// Painting text needs a QGuiApplication. A program without windows (the command line) calls this
// before creating it so that no display is needed and nothing but its own messages reaches standard
// error: the "offscreen" platform is used unless the environment chooses another, and where no
// runtime directory is set (cron, ssh, containers) a private one is provided, since Qt would
// otherwise warn about it on every run.
void prepareWindowlessGui();

} // namespace kesvar::render

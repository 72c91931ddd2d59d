#pragma once
// For the start-up benchmark: with SORBA_REPORT_SHOWN=1 in the environment the program prints
// "shown MICROSECONDS" (wall clock since the epoch) when its window is first exposed. Nothing
// else changes.

class QWidget;

/// Watches the window when the environment asks for it; call once the window is shown.
void reportFirstExposure(QWidget &window);

#pragma once
// SIGTERM, SIGINT and SIGHUP (a logout, kill, Ctrl+C in the terminal) close the window as its
// close box does, so the program ends the usual way and keeps the readout as on every exit.

class QWidget;

/// Routes the three signals to closing the window for as long as the window lives.
void closeOnTerminationSignals(QWidget &window);

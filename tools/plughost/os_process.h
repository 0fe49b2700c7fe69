// What plughost needs from the operating system for its own process. One
// source per platform.
#pragma once

// Windows: no error dialog may wait for a click (a crashing plug-in under
// Wine would hang the run), and stdout stays byte-exact (no CR added).
void prepareProcess();

long currentProcessId();

// Whether stderr is a terminal, where a progress bar may be drawn.
bool stderrIsTerminal();

// The terminal a command-line tool talks to.
#pragma once

// True when standard input is a terminal a person can answer at.
bool IsInputInteractive();

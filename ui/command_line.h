#pragma once
// The command-line modes: --results, --sweep, --help and --version. They
// need no display and make no window; main decides on them before any
// application object exists.

// True when the arguments ask for a command-line mode.
bool IsCommandLineMode(int argc, char* argv[]);

// Runs the mode; the exit status: 0 done, 1 the circuit cannot be
// calculated, 2 the file cannot be read or the arguments are wrong. Only a
// success writes to standard output.
int RunCommandLine(int argc, char* argv[]);

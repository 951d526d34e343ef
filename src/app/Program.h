// The whole program: the application and its exercise window, until the last window closes.
#pragma once

// Runs the program and returns its exit code; main() only calls this.
int runProgram(int argc, char **argv);

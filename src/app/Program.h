// The whole program: the application and its exercise window, until the last window closes.
#pragma once

// Runs the program and returns its exit code; main() only calls this.
int runProgram(int argc, char **argv);

// The memory allocator settings the program runs with, so that laying out a long answer
// reuses memory instead of mapping it afresh; called first thing by runProgram, and by
// anything that measures the program's speed.
void tuneMemoryAllocator();

#pragma once
// What the programs ask of the operating system beyond Qt, in one place:
// termination signals, terminals and the resources the process used. The body
// is POSIX (Linux today); a Windows build gives Platform.cpp another one.

#include <cstddef>
#include <cstdio>

namespace cs::platform {

// A long operation's stop requests (SIGINT, SIGTERM): the first only sets the
// flag that stopRequested() reads, a second ends the program as the signal
// would have (with `atOnce`, already the first). Clears the flag.
void catchStopRequests(bool atOnce = false);
bool stopRequested();
// What a signal that ends the program writes to `fd` first (at most 1 KiB;
// no bytes: nothing). Kept in two buffers, so that it can be replaced while a
// signal may read the one before.
void setLastWords(int fd, const char* bytes, std::size_t size);

// Termination signals (SIGINT, SIGTERM, and SIGHUP with `hangUp`) as a
// descriptor that becomes readable when one arrives, for a poll loop or a
// socket notifier; -1 when none can be made. The same descriptor every call.
int stopSignalDescriptor(bool hangUp = false);
// Reads away what the signals wrote to the descriptor.
void drainStopSignals();

// Writes to a closed pipe or terminal fail with an error instead of ending
// the program.
void ignoreBrokenPipes();

// Whether a stream is a terminal, and its width in columns (0 when unknown).
bool isTerminal(std::FILE* stream);
int terminalColumns(std::FILE* stream);

// The most memory the process has held so far, in KiB, and the processor
// time it has used, in seconds.
long peakMemoryKiB();
double cpuSeconds();

} // namespace cs::platform

#pragma once
// Ending the program from outside: SIGTERM (a session's logout), SIGINT
// (Ctrl+C in a terminal) and SIGHUP reach the application object, which
// closes the main window as the operator's close does (see
// TApplication::CloseOnSignal).

// Blocks the three signals in the calling thread and in every thread started
// after it, so that no library can take them over, and makes them readable
// from a descriptor that TApplication::Initialize watches. Call first in
// main, before any thread exists.
void CatchTerminationSignals();
// The descriptor the caught signals are read from; -1 until they are caught.
int TerminationSignalDescriptor();
// Reads every signal waiting on the descriptor; returns how many there were.
int TakeTerminationSignals();

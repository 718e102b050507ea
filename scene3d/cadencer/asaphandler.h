#pragma once
// Ticking as soon as possible: the cadencers in cmASAP mode sit in one list,
// and a hidden control posts itself a tick message after every pass over
// them, so passes run from the event loop as fast as it goes. When more than
// 5000 ticks arrive within one millisecond, the next pass waits for a 1 ms
// timer instead.
class T3DCadencer;

// Adds the cadencer to the list; the first one starts the ticking.
void JoinASAP(T3DCadencer* Cadencer);
// Takes the cadencer out; without cadencers the ticking ends.
void LeaveASAP(T3DCadencer* Cadencer);
// Whether the cadencer is in the list.
bool ASAPHolds(const T3DCadencer* Cadencer);

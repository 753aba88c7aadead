#pragma once
// What the process holds, for tests that check nothing leaks over a run.
#include <windows.h>

// GDI objects (GR_GDIOBJECTS) or USER objects (GR_USEROBJECTS) in use by
// the process. Where the system does not count them (it answers 0), the
// free handle slots are counted instead, by taking them all and giving
// them back: fewer free slots, more in use (the answer is then negative).
long ObjectsInUse(DWORD Kind);

// The process's committed memory; where the system leaves that count at 0,
// its working set.
SIZE_T PrivateBytes();

// The skinned-frame tests' helpers (a skinned form, the program's skin, real
// mouse input) serve these tests as they stand.
#include "skinframe/SkinFrameSupport.cpp"

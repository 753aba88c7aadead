// The skinned-frame tests' helpers (the program's skin, a skinned form),
// built into this suite too.
#include "skinframe/SkinFrameSupport.cpp"

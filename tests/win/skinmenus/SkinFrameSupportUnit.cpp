// The skinned-frame tests' helpers (the program's skin, small skins made on
// the spot, skinned forms), built into this suite as well.
#include "skinframe/SkinFrameSupport.cpp"

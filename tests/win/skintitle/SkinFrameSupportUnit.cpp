// The skinned-frame tests' helpers (program skin, skinned forms, mouse
// input), built into this suite as well.
#include "skinframe/SkinFrameSupport.cpp"

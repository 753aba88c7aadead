// The skinned-frame tests' helpers serve the edit and combo tests as they stand.
#include "skinframe/SkinFrameSupport.cpp"

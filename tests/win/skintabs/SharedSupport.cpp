// The helpers of the skinned-frame, painter and recognition tests (a
// skinned form, pixels read back, forms recognised by the engine), built
// into this suite too.
#include "skinframe/SkinFrameSupport.cpp"
#include "skinpainters/PainterSupport.cpp"
#include "skinrecognition/RecognitionSupport.cpp"

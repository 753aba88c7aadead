// Pixel capture and the skinned form of the painter tests.
#include "skinpainters/PainterSupport.cpp"

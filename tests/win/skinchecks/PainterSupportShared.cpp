// Pixel capture and the push-button faces of the painter tests.
#include "skinpainters/PainterSupport.cpp"

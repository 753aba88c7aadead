#include "common/ProgramSkin.h"

#include "app/EmbeddedSkin.h"

const TBytes& ProgramSkin() {
  return EmbeddedProgramSkin();
}

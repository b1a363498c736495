// The GUI helpers are header-only; this file gives their QObjects one home for the
// meta-object compiler.
#include "support/gui.h"

// UTF-8 inside the program, UTF-16 at the window: the conversions Vantrel.exe
// shares with the emulator.
#ifndef VANTREL_APP_TEXTCONVERSION_H
#define VANTREL_APP_TEXTCONVERSION_H

#include "devicelib/TextConversion.h"

#endif

// VoCalc.h - evaluating a typed arithmetic expression such as (3+4)/2.
#pragma once

#include "VokitDefs.h"

// The value of text, or 0 when it is no valid expression; *valid (when not
// null) becomes 1 or 0. Never throws, never shows a message.
VOKIT_API double _Calc(const char* text, int* valid);

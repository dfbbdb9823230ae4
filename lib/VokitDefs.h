// VokitDefs.h - export marker of the Vokit library.
#pragma once

#include <afx.h>

#ifdef VOKIT_BUILD
#define VOKIT_API __declspec(dllexport)
#else
#define VOKIT_API __declspec(dllimport)
#endif

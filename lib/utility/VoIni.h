// VoIni.h - reading and writing settings in INI files.
//
// Single values (string, bool, integer, rectangle) may be kept per computer:
// with perComputer set the key becomes "<computer name>_<key>". Numbered
// lists are stored under the keys "0", "1", ... of their own section, and
// each list is rewritten with one write of its section.
//
// Limits: section and key names (with the computer's name) of at most 255
// bytes, values of at most 32,766 bytes, file names shorter than MAX_PATH.
// Writes beyond them fail and change nothing; reads give the default.
#pragma once

#include "VokitDefs.h"

VOKIT_API bool _WriteIni(const char* section, const char* key, const char* value, const char* iniFile,
                         bool perComputer);
VOKIT_API bool _WriteIniBool(const char* section, const char* key, bool value, const char* iniFile, bool perComputer);
VOKIT_API bool _WriteIniNum(const char* section, const char* key, int value, const char* iniFile, bool perComputer);
// Writes "<key>_top", "_bottom", "_left", "_right"; always true.
VOKIT_API bool _WriteIniRect(const char* section, const char* baseKey, const RECT* rect, const char* iniFile,
                             bool perComputer);

// Reads into buffer (bufferSize bytes with the terminator); returns the
// number of bytes placed, terminator not counted. A double-byte character
// the buffer cannot hold whole is left out.
VOKIT_API int _ReadIni(const char* section, const char* key, const char* iniFile, char* buffer, int bufferSize,
                       const char* def, bool perComputer);
// Reads a value of up to 1023 bytes.
VOKIT_API CString _ReadIni(const char* section, const char* key, const char* def, const char* iniFile,
                           bool perComputer);
// "TRUE" (exactly) is true; an empty or missing value gives def; anything else false.
VOKIT_API bool _ReadIniBool(const char* section, const char* key, bool def, const char* iniFile, bool perComputer);
// The leading signed decimal number of the value; 0 when there is none.
VOKIT_API int _ReadIniNum(const char* section, const char* key, const char* iniFile, bool perComputer);
// Sets all four sides to 0, then reads those that are stored.
VOKIT_API void _ReadIniRect(const char* section, const char* baseKey, RECT* rect, const char* iniFile,
                            bool perComputer);

// Deletes the old numbered keys, then writes every element.
VOKIT_API bool _WriteIniContinue(const char* section, const CStringArray& array, const char* iniFile);
// Appends the stored elements (up to the first empty one) to *array; each
// is cut to 511 bytes.
VOKIT_API void _ReadIniContinue(const char* section, CStringArray* array, const char* iniFile);
// Deletes the keys "0", "1", ... up to the first missing or empty one.
VOKIT_API bool _DeleteIniContinue(const char* section, const char* iniFile);

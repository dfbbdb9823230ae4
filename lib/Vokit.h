// Vokit.h - the whole public interface of the Vokit library.
#pragma once

#include "VokitDefs.h"

// Utilities
#include "utility/VoIni.h"
#include "utility/VoPath.h"
#include "utility/VoStringArray.h"
#include "utility/VoDateTime.h"
#include "utility/VoCalc.h"
#include "utility/ZeroDivException.h"
#include "utility/Win32FindData.h"
#include "utility/VoFileFind.h"
#include "utility/Recent.h"

// Layout anchoring of dialog controls
#include "layout/AttachForm.h"
#include "layout/AttachFormWndHelper.h"
#include "layout/AttachDialog.h"

// Extended list control and its cell editors

// Edit, button and combo-box controls

// Grouped string data
#include "group/GroupData.h"
#include "group/GroupList.h"

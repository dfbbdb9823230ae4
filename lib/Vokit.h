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
#include "utility/VoExactName.h"
#include "utility/Win32FindData.h"
#include "utility/VoFileFind.h"
#include "utility/Recent.h"
#include "utility/RecentComboBox.h"
#include "utility/VoDpi.h"

// Layout anchoring of dialog controls
#include "layout/AttachForm.h"
#include "layout/AttachFormWndHelper.h"
#include "layout/AttachDialog.h"

// Extended list control and its cell editors
#include "listctrl/LxEdit.h"
#include "listctrl/LxCalcEdit.h"
#include "listctrl/LxComboBox.h"
#include "listctrl/ListCtrlEx.h"
#include "listctrl/LxBase.h"

// Edit, button and combo-box controls
#include "controls/VoEdit.h"
#include "controls/VoCalcEdit.h"
#include "controls/VoButton.h"
#include "controls/VoButtonEdit.h"
#include "controls/VoComboBox.h"
#include "controls/MakeComboBox.h"
#include "controls/Label.h"
#include "controls/LabelVersion.h"
#include "controls/VoTreeCtrl.h"
#include "controls/VoStatusBar.h"
#include "controls/ZoomCombo.h"

// Docking and zoom views
#include "views/DockableViewSite.h"
#include "views/DockContext2.h"
#include "views/ZoomView.h"

// Grouped string data
#include "group/GroupData.h"
#include "group/GroupList.h"
#include "group/Group.h"

// Drawing and colour
#include "draw/MemDC.h"
#include "draw/DrawTool.h"
#include "draw/GradientDraw.h"
#include "draw/GradientProgressCtrl.h"
#include "draw/ColourPopup.h"
#include "draw/ColourPicker.h"

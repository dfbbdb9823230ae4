// SdkSampleRes.h - resource ids of the SDK sample.
#pragma once

#define IDD_SAMPLE  100
#define IDC_FOLDER  1000
#define IDC_LIST    1001
#define IDC_HISTORY 1002

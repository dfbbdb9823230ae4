// OrdovanMain.cpp - the one application object of the program Ordovan.
#include "OrdovanApp.h"

COrdovanApp theApp;

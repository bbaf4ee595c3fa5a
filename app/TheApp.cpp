#include "CalcApp.h"

// The one application object, constructed before the program's entry code runs.
CCalcApp theApp;

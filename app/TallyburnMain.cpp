// The one application object of Tallyburn.exe, constructed before the entry point runs.
#include "app/TallyburnApp.h"

CTallyburnApp theApp;

// The runtime classes of the test harness's view and document.
#include "clockharness.h"

IMPLEMENT_DYNCREATE(TestView, CVostrelView)
IMPLEMENT_DYNCREATE(TestDoc, CVostrelDoc)

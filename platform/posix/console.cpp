#include "platform/win/console.h"

void AfxAttachConsole() {}

// What a screen reader gets from the Qt backend (AT-SPI on Linux, through
// Qt's accessibility bridge): roles for the framework's windows, the parts
// a window draws itself, the up-down control as one spin box, and open
// popup menus in the application's tree.
#pragma once

// Makes Qt ask the backend for these objects; once, after the application is made.
void InstallAccessibility();

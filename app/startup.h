#pragma once
// The steps of starting the program, apart from main() so they can be tested.

#include "applicationidentity.h"

class MainWindow;

// The window icon of every window.
void setApplicationIcon();

// Titles the main window with the version and shows the logo for two
// seconds; the main window appears when the logo has gone.
void showMainWindowAfterLogo(MainWindow &window);

#pragma once
// The program's names for the settings store and the translation system, and
// its version; shared by the window and the command-line tool so that both
// read the same settings.

// Done before the application object exists.
void setApplicationIdentity();

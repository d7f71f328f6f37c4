#pragma once

// Makes Qt's own dialogs (the file chooser, the colour dialog, message box buttons) speak
// Japanese like the rest of the program, from the translations installed with Qt.
// False when they are not installed.
bool installQtTranslations();

#pragma once
// Qt's own texts (standard buttons, file and colour dialogs, context menus)
// in Spanish, like the rest of the program.

// Installs Qt's Spanish translation when the system has it; false when it
// is not installed (Qt's texts then stay in English).
bool InstalaTraduccionQt();

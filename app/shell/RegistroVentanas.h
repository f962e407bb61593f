#pragma once
// Where the shell's windows meet the shared routines: the main window
// registers the program's windows with them at start, and the toolbar and
// menu actions served by other windows go through here.
#include <QString>

class frmMdiCalcDife;

// Registers the main window, the feedback windows, the notice window and
// the other windows the shared routines reach.
void RegistraVentanasPrograma(frmMdiCalcDife &principal);
// "&Iniciar sesión en Quorvane": the graph window and the hub side by side.
void AbreSesion(frmMdiCalcDife &principal);
// Toolbar keys served by other windows ("ayuda", "apoyo", "texto",
// "calculadora", "pasado", "zoom"); a key without its window does nothing.
void AccionBarra(frmMdiCalcDife &principal, const QString &clave);
// Closes the windows that stand outside the work area (feedback windows,
// the notice window) when the program ends.
void CierraVentanasSueltas();

#pragma once
// The help launcher: the toolbar's book key sets the help book's path and
// shows a topic of it in the help viewer. The viewer is created once and
// kept for the rest of the run; when it cannot be (no book, a broken book)
// the reason is shown in a message box and nothing else happens, and the
// next call tries again.
#include <string>

class VisorAyuda;

// The help book in the program's folder ("\texto\Quorvane.qch").
std::string LibroAyudaPrograma();

// ArchivoAyuda = archivo.
void PoneArchivoAyuda(const std::string &archivo);
// Shows topic tema of ArchivoAyuda. A topic the book does not have is
// ignored.
void MuestraAyuda(long tema);
// True when the viewer exists (made now or before).
bool CreaObjetoAyuda();

// The viewer, or nullptr before it was made.
VisorAyuda *ObjAyuda();
// Drops the viewer (a later call makes it again).
void OlvidaObjetoAyuda();

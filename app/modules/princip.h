#pragma once
// Start-up of the program and the stack of screen contexts.
//
// Each exercise or tool window pushes a context when it opens (its help
// topic, support row, toolbar buttons and the main window's caption) and
// pops it when it closes; the start-again menus go back to the start
// context: caption "Quorvane", help topic 0, support row 1, toolbar buttons
// 2, 3, 4, 7 and 8 disabled.
#include <array>
#include <cstdint>
#include <string>

#include <QPoint>

class QWidget;

// Takes the decimal separator, the layout measures from the main window,
// makes the context stack and loads the four text tables. On the first
// table that cannot be read (missing, damaged, or a message table that
// ends before the last row the windows show) it shows that table's
// message, titled "ERRor Fatal", and returns false without reading the
// others.
bool Inicia();
// The screen and layout measures from the main window as it stands (Inicia
// takes them too); the main window takes them again once its frame is on.
void TomaMedidas();

// The main window's start-up: Inicia, then the start context (notice
// window shown, context pushed, concept flags cleared) and a random seed
// from the clock. False when Inicia failed: the program must end.
bool ArranquePrograma();

// Saves the context in force one level up the stack and applies the new
// one; flags 1 to 8 of habilitados enable the toolbar buttons.
void EntraPantalla(std::int16_t ayuda, std::int16_t apoyo, const std::array<bool, 10> &habilitados,
                   const std::string &titulo);

// niveles > 0: restores that many saved contexts, one level each. Below
// the last pushed level the start context stays in force. niveles = 0:
// back to the start context (stack emptied, notice window shown, context
// pushed again, every concept flag and the current concept cleared).
// A negative count does nothing.
void RegresaPantalla(int niveles);

// Puts the mouse pointer in the middle of the window.
void CentraCursor(QWidget &ventana);
// The middle of a rectangle (right and bottom exclusive), halves to the
// even neighbour.
QPoint PuntoCentral(int izquierda, int arriba, int derecha, int abajo);

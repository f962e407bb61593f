#pragma once
// The screen context a window owns while it is open: help topic, support
// row, toolbar buttons and the main window's caption. The window pushes it
// once when it opens, pops exactly that when it leaves, and puts it back in
// force (without pushing) whenever it becomes the active window again.
#include <array>
#include <cstdint>
#include <string>

class ContextoVentana {
public:
    std::int16_t ayuda = 0;
    std::int16_t apoyo = 1;
    std::array<bool, 10> barra{};
    std::string titulo;

    // Pushes the context once; a second call only re-applies it.
    void entra();
    // Puts the context in force without touching the stack.
    void aplica() const;
    // Pops what entra pushed (nothing when it pushed nothing).
    void sale();
    bool dentro() const { return m_dentro; }
    // Forgets the push without popping (the stack was emptied elsewhere).
    void olvida() { m_dentro = false; }

    // The toolbar flags 1 to 8 from a list of eight, as EstadoBarra takes them.
    static std::array<bool, 10> Barra(std::initializer_list<bool> botones);

private:
    bool m_dentro = false;
};

#pragma once
// Reads a text file item by item the way the runtime's sequential input
// did: items are separated by commas or line ends, a text in double quotes
// may hold commas (the quotes are not part of it), a number is written in
// digits. A file damaged in a way the reader can see (a text cut short, a
// NUL byte) is a failed read. Files are UTF-8 (a leading byte-order mark is skipped).
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

class LectorSecuencial {
public:
    // Reads the whole file; false when it cannot be opened.
    bool Abre(const std::filesystem::path &archivo);
    // Only blanks and line ends are left.
    bool FinArchivo() const;
    // The next item as text; nothing when the file has ended, a quoted
    // text is not closed on its own line or the item holds a NUL byte.
    std::optional<std::string> LeeTexto();
    // The next item as a 16-bit whole number; nothing when the file has
    // ended, the item is not a number or it does not fit.
    std::optional<std::int16_t> LeeEntero();

private:
    void SaltaBlancos();
    std::string m_texto;
    std::size_t m_pos = 0;
};

#pragma once
// What the support tables give the support viewer, without any window:
// the page and heading of a support row (ListaApoyos), and the title and
// target of a jump (ListaSaltos). Paths are resolved under the program's
// folder by RutaPrograma, so the tables may spell names in any letter case.
#include "TablaTextos.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// The support page of one row: the heading is column 0, the page column 1
// appended to "\apoyo".
struct PaginaApoyo {
    std::string encabezado;
    std::filesystem::path archivo;
};

// A jump's preview: its title (column 0) and the linked file (column 1,
// relative to the program's folder). A file ending in ".html" goes to the
// text preview, anything else to the picture preview.
struct DestinoSalto {
    std::string titulo;
    std::filesystem::path archivo;
    bool esTexto = false;
};

// Row numApoyo of the support list; nothing for row 0, a row beyond the
// table or a row without a page. The page file itself may be missing: the
// viewer then opens with an empty page.
std::optional<PaginaApoyo> PaginaDeApoyo(const TablaTextos &lista, int numApoyo);

// Row salto of the jump list; nothing when the row does not exist or names
// no file (the preview then does not open). A file that is missing still
// previews: the preview says so.
std::optional<DestinoSalto> DestinoDeSalto(const TablaTextos &saltos, int salto);

// The jump number of a link's target "salto:N" (N from 1); 0 for any
// other target, so that a press outside a link reads as no link.
int NumeroSalto(std::string_view enlace);

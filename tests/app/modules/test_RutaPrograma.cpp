// Finding the program's files: the folder, and names whatever their letter case.
#include "DoblesVentanas.h"
#include "RutaPrograma.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

TEST(RutaDelPrograma, SeEncuentraSinImportarMayusculas)
{
    CarpetaTemporal carpeta;
    FijaCarpetaPrograma(carpeta.Ruta());
    carpeta.Escribe("Errores y Exitos/Errores.txt", "0\n");
    carpeta.Escribe("apoyo/listaSaltos.txt", "0\n");
    EXPECT_EQ(RutaPrograma("\\errores y exitos\\ERRORES.txt"),
              carpeta.Ruta() / "Errores y Exitos" / "Errores.txt");
    EXPECT_EQ(RutaPrograma("/Apoyo/ListaSaltos.txt"), carpeta.Ruta() / "apoyo" / "listaSaltos.txt");
    // What does not exist stays as written.
    EXPECT_EQ(RutaPrograma("\\texto\\Quorvane.qch"), carpeta.Ruta() / "texto" / "Quorvane.qch");
    FijaCarpetaPrograma({});
}

TEST(CarpetaDelPrograma, SigueLaVariableDeEntorno)
{
    FijaCarpetaPrograma({});
    ::setenv("QUORVANE_DATA_DIR", "/tmp/quorvane-datos", 1);
    EXPECT_EQ(CarpetaPrograma(), std::filesystem::path("/tmp/quorvane-datos"));
    ::unsetenv("QUORVANE_DATA_DIR");
    const auto porDefecto = CarpetaPrograma();
    EXPECT_TRUE(porDefecto.filename() == "data" || porDefecto.filename() == "quorvane") << porDefecto;
}

} // namespace

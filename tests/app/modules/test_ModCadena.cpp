// Error and success messages by number, through recording feedback windows.
#include "DoblesVentanas.h"
#include "Globales.h"
#include "ModCadena.h"

#include <gtest/gtest.h>

namespace {

class Mensajes : public ::testing::Test {
protected:
    void SetUp() override
    {
        ReiniciaGlobales();
        Errores.Redimensiona(200);
        Errores.PoneTexto(0, 16, "Hay un coeficiente mal en el término de grado ");
        Errores.PoneTexto(1, 16, "Derive término a término.");
        Errores.PoneTexto(0, 79, "El segundo polinomio es igual al primero.");
        Errores.PoneTexto(0, 180, "Algo no está bien.");
        Errores.PoneTexto(0, 200, "Última fila.");
        Exitos.Redimensiona(72);
        Exitos.PoneTexto(0, 3, "¡Correcto!");
        Exitos.PoneTexto(1, 3, "La derivada es correcta.");
        Exitos.PoneTexto(0, 5, "Bien.");
        Exitos.PoneTexto(0, 72, "¡Muy bien!");
        Ventanas() = {};
        Ventanas().error = [this] { return &error; };
        Ventanas().exito = [this] { return &exito; };
    }
    void TearDown() override { Ventanas() = {}; }

    VentanaMensajeGrabadora error, exito;
};

TEST_F(Mensajes, ElTextoDelLlamadorSigueAlMensaje)
{
    MuestraError("3", 16);
    EXPECT_EQ(error.mensaje, "Hay un coeficiente mal en el término de grado 3");
    EXPECT_EQ(error.detalle, "Derive término a término.");
    EXPECT_TRUE(error.botonDetalles);
    EXPECT_TRUE(error.encima);
    EXPECT_EQ(error.vecesMostrada, 1);
}

TEST_F(Mensajes, FueraDeLaTablaMuestraLaFilaGenericaSola)
{
    const std::int16_t fuera[] = {201, -1, 32767};
    for (std::int16_t n : fuera) {
        MuestraError("7", n);
        EXPECT_EQ(error.mensaje, "Algo no está bien.") << n;
        EXPECT_EQ(error.detalle, "") << n;
        EXPECT_FALSE(error.botonDetalles) << n;
    }
    MuestraError("", 200); // the last row itself is in the table
    EXPECT_EQ(error.mensaje, "Última fila.");

    MuestraExito(73);
    EXPECT_EQ(exito.mensaje, "¡Muy bien!");
    MuestraExito(-5);
    EXPECT_EQ(exito.mensaje, "¡Muy bien!");
}

TEST_F(Mensajes, SinDetalleNoQuedaElDetalleAnterior)
{
    MuestraError("2", 16);
    ASSERT_TRUE(error.botonDetalles);
    MuestraError("", 79);
    EXPECT_EQ(error.mensaje, "El segundo polinomio es igual al primero.");
    EXPECT_FALSE(error.botonDetalles);
    EXPECT_EQ(error.detalle, "");

    MuestraExito(3);
    EXPECT_EQ(exito.mensaje, "¡Correcto!");
    EXPECT_EQ(exito.detalle, "La derivada es correcta.");
    EXPECT_TRUE(exito.botonDetalles);
    MuestraExito(5);
    EXPECT_FALSE(exito.botonDetalles);
    EXPECT_EQ(exito.detalle, "");
    EXPECT_EQ(exito.vecesMostrada, 2);
    EXPECT_EQ(error.vecesMostrada, 2); // successes never use the error window
}

TEST_F(Mensajes, SinVentanasRegistradasNoPasaNada)
{
    Ventanas() = {};
    MuestraError("", 16);
    MuestraExito(3);
    EXPECT_EQ(error.vecesMostrada, 0);
}

} // namespace

#pragma once
// The one place where the program waits on a modal window: feedback
// windows, message boxes and dialogs all go through EsperaModal. In the
// program it shows the window modally and waits until it is closed; a test
// installs a Contestador that answers instead, without showing anything.
#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

namespace plataforma {

// Answers one modal wait: looks at the window (and may press its buttons)
// and returns the result the wait should give.
using Contestador = std::function<int(QWidget &ventana)>;

// Shows the window modally and returns when it is closed: a QDialog gives
// its exec() result, any other window 0. With a Contestador installed the
// window is not shown; a QDialog gets the answer as its result.
int EsperaModal(QWidget &ventana);

// Installs a Contestador (empty = wait for real); returns the previous one.
Contestador FijaContestador(Contestador contestador);

// For tests: while it lives, every modal wait is answered at once (with
// the given Contestador, or 0) and recorded by its window title and, for
// message boxes, their text.
class ContestadorPrueba {
public:
    explicit ContestadorPrueba(Contestador respuesta = {});
    ~ContestadorPrueba();
    ContestadorPrueba(const ContestadorPrueba &) = delete;
    ContestadorPrueba &operator=(const ContestadorPrueba &) = delete;

    int Cuenta() const { return static_cast<int>(m_titulos.size()); }
    const QStringList &Titulos() const { return m_titulos; }
    const QStringList &Textos() const { return m_textos; }
    void Limpia();

private:
    QStringList m_titulos;
    QStringList m_textos;
    Contestador m_anterior;
};

} // namespace plataforma

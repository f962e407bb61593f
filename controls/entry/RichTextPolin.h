#pragma once
// The polynomial entry box: the student writes a polynomial as on paper,
// exponents as small raised digits (Up arrow: exponent, Down arrow: back to
// normal). The formatting is the data: a character of size 9 belongs to an
// exponent. On acceptance (Enter or Acepta) the box is locked, its linear
// text ("3x^(2)-5x+1") is kept in CadPol and TeclaEnter is raised.
//
// Properties are getter/setter pairs of the same name.
#include <QString>
#include <QWidget>

class RichTextBox;
class CajaPolinomio;

class RichTextPolin : public QWidget {
    Q_OBJECT
public:
    explicit RichTextPolin(QWidget *parent = nullptr);

    // The linear text of the last acceptance ("" before the first).
    QString CadPol() const { return m_cadPol; }
    // The plain characters of the box (exponent digits as plain digits).
    QString Text() const;
    void Text(const QString &valor);
    bool Locked() const;
    void Locked(bool valor);
    // Caret position, 0 = before the first character.
    long SelStart() const;
    void SelStart(long valor);
    bool Enabled() const;
    void Enabled(bool valor);

    // Locks the box, builds CadPol and raises TeclaEnter.
    void Acepta();

    // The inner rich text box (for tests and for hosts that style it).
    RichTextBox *Caja() const;

    // Typing formats: size in points and raise in twips.
    static constexpr double TamanoNormal = 12;
    static constexpr int DesplazamientoNormal = -35;
    static constexpr double TamanoExponente = 9;
    static constexpr int DesplazamientoExponente = 40;

signals:
    void TeclaEnter();

protected:
    void resizeEvent(QResizeEvent *evento) override;

private:
    friend class CajaPolinomio;
    // Key filter: true when the character may be inserted (the typing
    // format may switch to normal first).
    bool FiltraTecla(QChar tecla);
    // The characters the filter takes at the start of the text.
    static QString Aceptados();
    static bool AceptaEnCajaVacia(QChar tecla);
    // Mode keys: Enter, Up, Down, and the collapse of a selection.
    void TeclaModo(int tecla);
    void TomaFoco();
    QString CadenaLineal();
    void formatoNormal();
    void formatoExponente();

    CajaPolinomio *m_caja;
    QString m_cadPol;
};

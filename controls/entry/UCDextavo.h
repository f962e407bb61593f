#pragma once
// The numeric entry box: a one-line box that lets only numbers be typed
// (decimals with the locale's separator, an exponent "E", fractions with
// "/", and where allowed the infinity sign), and turns its text into a
// Double on request (Valida).
//
// Properties are getter/setter pairs of the same name. Events are signals;
// Validate carries a Cancel flag as a bool& and must be connected directly
// (the default connection within the user-interface thread is direct).
#include <QColor>
#include <QFont>
#include <QString>
#include <QWidget>

#include <cstdint>

class QLineEdit;
class LineaDextavo;

class UCDextavo : public QWidget {
    Q_OBJECT
public:
    // The value of an infinite entry (with the entry's sign).
    static constexpr double ValorInfinito = 1000000.271047;

    explicit UCDextavo(QWidget *parent = nullptr);

    bool HayInfinito() const { return m_hayInfinito; }
    void HayInfinito(bool valor) { m_hayInfinito = valor; }
    bool SoloEntero() const { return m_soloEntero; }
    void SoloEntero(bool valor) { m_soloEntero = valor; }
    double NumAceptado() const { return m_numAceptado; }
    // When a move of the focus by a mouse press is refused (Validate's
    // cancel), the press and its release are taken from the widget pressed,
    // so that it does not act on the bad entry. Off unless the host asks.
    bool AnulaClicAlRechazar() const { return m_anulaClic; }
    void AnulaClicAlRechazar(bool valor) { m_anulaClic = valor; }

    // Get: the box's text. Let: every character passes the key filter as
    // if typed; a text that then does not validate leaves the box empty.
    QString Text() const;
    void Text(const QString &valor);

    QString ToolTipDtav() const;
    void ToolTipDtav(const QString &valor);
    // 0 left, 1 right, 2 centre.
    std::int16_t Alignment() const;
    void Alignment(std::int16_t valor);
    QColor BackColor() const;
    void BackColor(const QColor &valor);
    bool Enabled() const;
    void Enabled(bool valor);
    QColor ForeColor() const;
    void ForeColor(const QColor &valor);
    // The font of the box; its family is the program's name ("Arial").
    QFont Font() const { return m_fuente; }
    void Font(const QFont &valor);
    bool Locked() const;
    void Locked(bool valor);
    // 0 = no limit; a negative value is ignored.
    std::int16_t MaxLength() const;
    void MaxLength(std::int16_t valor);

    // 0: a valid number, now in NumAceptado. 1 fraction without numerator,
    // 2 without denominator, 3 denominator only the separator, 4 zero
    // denominator, 5 empty, a sign alone, the separator alone or not a
    // number, 6 exponent mark without digits (NumAceptado holds the mantissa).
    std::int16_t Valida();

    // The inner line edit (for hosts that need its geometry, and for tests).
    QLineEdit *Caja() const;

signals:
    void TeclaEnter();
    void MouseDown(std::int16_t Button, std::int16_t Shift, float X, float Y);
    void MouseMove(std::int16_t Button, std::int16_t Shift, float X, float Y);
    void MouseUp(std::int16_t Button, std::int16_t Shift, float X, float Y);
    void Click();
    // The focus is leaving the box; setting cancel keeps it in the box.
    void Validate(bool &cancel);
    // Something was dropped on the box: source is the dragged widget (may be
    // null), valor its text; X and Y in twips from the box's top left.
    void DragDrop(QObject *source, const QString &valor, float X, float Y);

private:
    friend class LineaDextavo;
    // The key filter: returns the character to insert, or a null QChar.
    QChar FiltraTecla(QChar tecla);
    void CambiaTexto();
    void aplicaFuenteNormal();

    LineaDextavo *m_caja;
    QFont m_fuente;
    double m_numAceptado = 0.0;
    bool m_hayInfinito = true;
    bool m_soloEntero = false;
    bool m_cambiando = false;
    bool m_anulaClic = false;
};

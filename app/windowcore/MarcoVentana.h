#pragma once
// The frame round a window of the work area. A frame that comes out from
// under a window that has just closed has had no mouse move over it yet, so
// its title bar does not know which of its buttons is under the pointer and
// would take a click there for a click on nothing: a press tells it first.
#include <QMdiSubWindow>

class MarcoVentana : public QMdiSubWindow {
    Q_OBJECT
public:
    using QMdiSubWindow::QMdiSubWindow;

protected:
    void mousePressEvent(QMouseEvent *evento) override;
};

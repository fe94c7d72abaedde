#pragma once
// The link window "Connessione ...": a small top-level window with the link's
// status line `lblbar` and a "Disconnect" button. The joining side shows it
// minimised before its lobby opens; while minimised its caption is the status
// text, so the taskbar entry tells how the link is doing. The hosting side
// never shows it.

#include <QPointer>
#include <QWidget>

class QLabel;
class QPushButton;

namespace orvento {

class FinestraRete : public QWidget {
    Q_OBJECT
public:
    // The window, created (hidden) on first use.
    static FinestraRete &istanza();
    // Closes the window, if loaded, and stops the link: any listen or
    // connection ends. The main window calls it when the program closes.
    static void scarica();

    // Shows the window minimised (the joining side, before its lobby).
    void mostraMinimizzata();

    QLabel *lblbar;
    QPushButton *Command1;

protected:
    void resizeEvent(QResizeEvent *evento) override;
    void changeEvent(QEvent *evento) override;
    void closeEvent(QCloseEvent *evento) override;

private:
    FinestraRete();
    void aggiornaTitolo();
    void Command1_Click();
};

} // namespace orvento

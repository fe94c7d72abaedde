#include "shell/Caratteri.h"
#include "shell/MDIContainer.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zorvala"));
    orvento::registraCaratteri();
    // The screens' default typeface.
    QFont base(QStringLiteral("MS Sans Serif"));
    base.setPointSize(8);
    QApplication::setFont(base);

    auto *finestra = new orvento::MDIContainer;
    finestra->show();
    const int esito = app.exec();
    // Screens may still hold suspended waits; the process ends here anyway.
    return esito;
}

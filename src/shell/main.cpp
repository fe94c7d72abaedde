#include "shell/MDIContainer.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zorvala"));
    orvento::MDIContainer finestra;
    finestra.show();
    return app.exec();
}

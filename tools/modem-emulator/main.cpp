// Two (or more) emulated modems on pseudo-terminals, for playing two copies
// of the game on one machine. Usage: briscola-modem-emulator [number ...]
// (default numbers 1 and 2). It prints each line's device and the
// BRISCOLA_COM_PORTS setting to start each copy with; Ctrl+C ends it (the
// pseudo-terminals go with the process).

#include "EmulatoreModem.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList numeri = app.arguments().mid(1);
    if (numeri.isEmpty())
        numeri = {QStringLiteral("1"), QStringLiteral("2")};

    orvento::emulatore::EmulatoreModem emulatore;
    QTextStream out(stdout);
    for (const QString &n : numeri) {
        const int i = emulatore.aggiungiLinea(n);
        if (i < 0) {
            QTextStream(stderr) << "cannot create a pseudo-terminal\n";
            return 1;
        }
        out << "number " << n << ": " << emulatore.percorso(i)
            << "   start a copy with  BRISCOLA_COM_PORTS=" << emulatore.percorso(i) << '\n';
    }
    out.flush();
    QObject::connect(&emulatore, &orvento::emulatore::EmulatoreModem::connesse, [&](int i, int j) {
        out << "call: " << emulatore.numero(j) << " -> " << emulatore.numero(i) << " connected\n";
        out.flush();
    });
    return app.exec();
}

#include "Avvisi.h"

#include "base/Schermi.h"

#include <QMessageBox>
#include <QWidget>

namespace orvento {

void mostraErroreMedia(const QString &testo)
{
    QWidget *finestra = Schermi::contenitore ? Schermi::contenitore() : nullptr;
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Zorvala"), testo, QMessageBox::Ok,
                    finestra ? finestra->window() : nullptr);
    box.exec();
}

} // namespace orvento

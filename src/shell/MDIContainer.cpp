#include "MDIContainer.h"

namespace orvento {

MDIContainer::MDIContainer(QWidget *parent) : QMainWindow(parent)
{
    setWindowTitle(QStringLiteral("Orvento - Zorvala"));
    setFixedSize(800, 600);
    setStyleSheet(QStringLiteral("background-color: black;"));
}

} // namespace orvento

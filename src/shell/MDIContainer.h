#pragma once
// The program's frame: 800 x 600, black, the title picture behind the screens.

#include <QMainWindow>

namespace orvento {

class MDIContainer : public QMainWindow {
    Q_OBJECT
public:
    explicit MDIContainer(QWidget *parent = nullptr);
};

} // namespace orvento

// The yardstick: a bare Qt Widgets window with a few ordinary controls, built with the same
// compiler, flags and Qt as the program.

#include "ExposeProbe.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QVBoxLayout>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ExposeProbe probe;
    QMainWindow window;
    auto* client = new QWidget;
    auto* layout = new QVBoxLayout(client);
    layout->addWidget(new QLineEdit);
    auto* month = new QComboBox;
    month->addItems({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")});
    layout->addWidget(month);
    layout->addWidget(new QComboBox);
    layout->addWidget(new QLabel(QStringLiteral("label")));
    layout->addWidget(new QPushButton(QStringLiteral("button")));
    window.setCentralWidget(client);
    window.show();
    return app.exec();
}

// The yardstick for the program's start-up: a program that shows the main window's
// Designer form and nothing else, ending at its first paint as the program does
// when timed.
#include <QApplication>
#include <QIcon>
#include <QWidget>

#include "ui/FirstPaint.h"
#include "ui_MainWindow.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    Ui::MainWindow form;
    form.setupUi(&window);
    window.setWindowIcon(QIcon(QStringLiteral(":/logo.png")));
    tw::QuitAfterFirstPaintIfAsked(&window);
    window.show();
    return QApplication::exec();
}

#include <QApplication>

#include "view/CVandorView.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    CVandorView view;
    view.show();
    return app.exec();
}

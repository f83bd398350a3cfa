#include "app/Appearance.h"

#include <QApplication>
#include <QFont>
#include <QStyleFactory>

void ApplyAppearance(QApplication& app) {
    QApplication::setApplicationName(QStringLiteral("Kelvaro"));
    // The classic style draws group titles into the frame, as the pixel layout expects.
    if (QStyle* style = QStyleFactory::create(QStringLiteral("Windows")))
        QApplication::setStyle(style);
    app.setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
}

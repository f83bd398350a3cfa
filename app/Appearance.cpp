#include "app/Appearance.h"

#include <QApplication>
#include <QFont>
#include <QStyleFactory>

void ApplyAppearance(QApplication& app) {
    QApplication::setApplicationName(QStringLiteral("Kelvaro"));
    // The classic style draws group titles into the frame, as the pixel layout expects.
    if (QStyle* style = QStyleFactory::create(QStringLiteral("Windows")))
        QApplication::setStyle(style);
    // The layout was made for the narrow metrics of that face: prefer faces of the same widths
    // over the desktop's default, which is often much wider.
    QFont::insertSubstitutions(
        QStringLiteral("MS Sans Serif"),
        {QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Liberation Sans"),
         QStringLiteral("Arimo"), QStringLiteral("Nimbus Sans"), QStringLiteral("Arial"),
         QStringLiteral("Helvetica"), QStringLiteral("DejaVu Sans Condensed")});
    QFont::insertSubstitutions(QStringLiteral("MS Serif"),
                               {QStringLiteral("Liberation Serif"), QStringLiteral("Tinos"),
                                QStringLiteral("Nimbus Roman"), QStringLiteral("Times New Roman")});
    app.setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
}

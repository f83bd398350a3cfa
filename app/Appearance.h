#pragma once

class QApplication;
class QFont;
class QString;

// The face the windows were drawn for: "MS Sans Serif" as this machine has it, in the pixel size
// at which the layout holds. DesignFont(family) measures another family the same way.
QFont DesignFont();
QFont DesignFont(const QString& family);

// The application's title, style, font and hint timing, as the program always starts with them.
void ApplyAppearance(QApplication& app);

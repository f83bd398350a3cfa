#pragma once

class QApplication;

// The application's title, style and hint timing, as the program always starts with them.
void ApplyAppearance(QApplication& app);

#pragma once

class QApplication;

// Qt's own parts as the game wants them: the style grown with the window scale, and the
// texts of Qt's own dialogs and buttons (the file dialog, standard buttons) in the game's
// language, Japanese, from the translations Qt ships (none found: Qt's own English).
void applyQtLook(QApplication &app);

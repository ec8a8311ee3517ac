#pragma once

#include <QApplication>

class SessionRecorder;

// The application of the real game: it tells the session's recorder where each input from the
// window system begins and ends, so whatever the input does is recorded as that one input.
class GameApplication : public QApplication
{
    Q_OBJECT
public:
    GameApplication(int &argc, char **argv) : QApplication(argc, argv) {}

    // The recorder told of every input from now on; null for none.
    void setRecorder(SessionRecorder *recorder) { m_recorder = recorder; }

    bool notify(QObject *receiver, QEvent *event) override;

private:
    SessionRecorder *m_recorder = nullptr;
};

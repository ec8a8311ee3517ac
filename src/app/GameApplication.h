#pragma once

#include <QApplication>
#include <functional>

class SessionRecorder;

// The application of the real game: before each input from the window system it brings the
// game clock up to the moment, and it tells the session's recorder where the input begins and
// ends, so whatever the input does is recorded as that one input.
class GameApplication : public QApplication
{
    Q_OBJECT
public:
    GameApplication(int &argc, char **argv) : QApplication(argc, argv) {}

    // The recorder told of every input from now on; null for none.
    void setRecorder(SessionRecorder *recorder) { m_recorder = recorder; }
    // Runs before each input that is not inside another (the clock catches up with the wall clock).
    void setBeforeInput(std::function<void()> beforeInput) { m_beforeInput = std::move(beforeInput); }

    bool notify(QObject *receiver, QEvent *event) override;

private:
    SessionRecorder *m_recorder = nullptr;
    std::function<void()> m_beforeInput;
    int m_inputDepth = 0;
};

#pragma once

class QWidget;

// A screen that runs one of the hub's activities (sandbag, punching ball, sparring)
// or the scheduled bout. The hub sets it up and starts it; the instructions dialog
// holds it still while the chairman speaks.
class ActivityScreen
{
public:
    virtual ~ActivityScreen() = default;
    // The window of the activity.
    virtual QWidget *form() = 0;
    // Resets the screen for a new workout or match and starts its timers.
    virtual void subOriginal() = 0;
    // Stops the activity's timers while the instructions are open.
    virtual void holdActivity() = 0;
    // Restarts the activity's timers after the instructions' OK.
    virtual void releaseActivity() = 0;
};

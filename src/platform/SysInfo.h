#pragma once

// The machine's system-information tool, which the About box offers to start.
class SysInfo
{
public:
    virtual ~SysInfo() = default;
    // Starts the tool; false when the machine has none or it would not start.
    virtual bool start() = 0;
};

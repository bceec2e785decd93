#pragma once
// The delay of an exchange. A real waiter keeps the windows painted and the port
// fed without taking user input; a virtual one only moves a test clock.

namespace cs {

class Waiter {
public:
    virtual ~Waiter() = default;
    // Spends `seconds` on a monotonic clock.
    virtual void wait(double seconds) = 0;
};

} // namespace cs

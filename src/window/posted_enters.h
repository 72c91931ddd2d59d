#pragma once
// Enters the window posts to itself (after "%"), for hosts with no event queue of their own: the
// script host, the tests, the fuzzers and the benchmarks deliver each one as soon as the event
// that posted it has finished, through the one entry the Qt window uses too.

namespace sorba {

class Calculator;

class PostedEnters
{
public:
    void post() { ++m_waiting; }
    void clear() { m_waiting = 0; }
    /// Delivers the waiting Enters, and any they post in turn, until none waits or the program
    /// has ended.
    void deliver(Calculator &calc);

private:
    int m_waiting = 0;
};

} // namespace sorba

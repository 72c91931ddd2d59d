// Delivery of the Enters a headless host holds.

#include "window/posted_enters.h"

#include "window/calculator.h"

namespace sorba {

void PostedEnters::deliver(Calculator &calc)
{
    while (m_waiting > 0 && !calc.ended()) {
        --m_waiting;
        calc.deliverPostedEnter();
    }
    if (calc.ended())
        m_waiting = 0;
}

} // namespace sorba

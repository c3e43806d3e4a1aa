#pragma once

#include <functional>

namespace ui {

// Work that what the user waits to see need not wait for: the program icon's
// sizes decoded, the reminder's date and the recent readings written (each
// write ends in fdatasync). The job runs once the next paint of any window has
// been drawn: a zero timer set at the paint fires after its paint pass, where
// one set before it would fire ahead of it. A job still waiting when the
// program ends runs then if it must not be lost (mustRun), else it is dropped.
void afterNextPaint(std::function<void()> job, bool mustRun);

} // namespace ui

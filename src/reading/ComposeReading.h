#pragma once

class frmRudrakshNumerologyResult;

namespace modRudrakshNumerology {

// Writes both pages of the result window from the current reading's numbers
// and texts, creating and loading the window when there is none; the window
// is not shown. A number outside 1 to 9 leaves its page as loaded.
frmRudrakshNumerologyResult* ComposeReading();

} // namespace modRudrakshNumerology

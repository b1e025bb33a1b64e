#pragma once
// Setting the system clock from a TIME server's answer.
#include <string>

namespace basTimeTools {

enum class SetResult { Set, WrongValue, Refused };

// Trims the blanks round the answer in place and sets the system clock to the
// time it holds plus the rounded half round trip. "Wrong Value" when the
// answer is no time, a message when Windows refused to set the clock.
SetResult SetTimeFromServer(std::string& answer, float delaySeconds);

} // namespace basTimeTools

// What the program says to the user besides its window's own texts, the
// same in every front end (the web edition takes it from here too).
#pragma once

namespace zerkovan {

inline constexpr const char *ProgramName = "Zerkovan";

// Opens the message that names a failed click: "Грешка при изпълнение: Overflow".
inline constexpr const char *RunErrorStart = "Грешка при изпълнение: ";
inline constexpr const char *RunErrorButton = "Добре";

} // namespace zerkovan

// What the program says to the user besides its window's own texts, the
// same in every front end (the web edition takes it from here too).
#pragma once

namespace zerkovan {

inline constexpr const char *ProgramName = "Zerkovan";

// Opens the message that names a failed click: "Грешка при изпълнение: Overflow".
inline constexpr const char *RunErrorStart = "Грешка при изпълнение: ";
inline constexpr const char *RunErrorButton = "Добре";

// Only the web edition says these: where the browser cannot run the program,
// what it lacks and what to try instead.
inline constexpr const char *NoWebAssembly =
    "Този браузър не може да изпълни програмата: в него WebAssembly липсва или е изключен. "
    "Отворете страницата в нова версия на Firefox, Chrome, Edge или Safari "
    "или помолете администратора да разреши WebAssembly.";
inline constexpr const char *NotLoaded =
    "Програмата не се зареди. Проверете връзката с мрежата и презаредете страницата; "
    "ако това не помогне, опитайте с друг браузър.";
inline constexpr const char *NoScript =
    "Този браузър не може да изпълни програмата, защото в него JavaScript е изключен. "
    "Разрешете JavaScript за тази страница или я отворете в друг браузър.";

} // namespace zerkovan

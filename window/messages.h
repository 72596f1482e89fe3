// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

// What the program says to the user besides its window's own texts, the
// same in every front end (the web edition takes it from here too).
#pragma once

namespace zerkovan {

inline constexpr const char *ProgramName = "Zerkovan";

// Opens the message that names a failed click: "Грешка при изпълнение: Overflow".
inline constexpr const char *RunErrorStart = "Грешка при изпълнение: ";
inline constexpr const char *RunErrorButton = "Добре";

// Only the web edition says these: where the program did not come, what
// happened and what to try; where the browser runs no JavaScript, what it
// lacks. The server's error code takes the place of %1.
inline constexpr const char *NotServed = "Програмата не се зареди: сървърът отговори с грешка %1. "
                                         "Съобщете за това на администратора на сайта.";
inline constexpr const char *NotLoaded =
    "Програмата не се зареди. Проверете връзката с мрежата и презаредете страницата; "
    "ако това не помогне, опитайте с друг браузър.";
// What a shared link to the web edition says of it.
inline constexpr const char *PageDescription =
    "Зеркован: числов триъгълник за часовете по математика и информатика. Въведете число N "
    "и програмата извежда редовете от 1 до N и първия ред, в който се среща N.";
inline constexpr const char *NoScript =
    "Този браузър не може да изпълни програмата, защото в него JavaScript е изключен. "
    "Разрешете JavaScript за тази страница или я отворете в друг браузър.";

} // namespace zerkovan

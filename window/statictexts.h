// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

// The texts the window shows: captions, the task statement and the motto,
// and the names assistive tools read for the boxes. The web page takes them
// from here too.
#pragma once

#include <string>

namespace zerkovan {

inline constexpr const char *TitleLabelCaption = "Зеркован";
inline constexpr const char *RowLabelCaption = "Номер на ред:";
inline constexpr const char *DisplayButtonCaption = "Изведи";
inline constexpr const char *ClearButtonCaption = "Изчисти";
inline constexpr const char *CaptionAfterAddress = "  Дорвелан";
inline constexpr const char *OutputBoxName = "Резултат";
inline constexpr const char *TaskStatementBoxName = "Условие на задачата";
inline constexpr const char *MottoBoxName = "Мото";

// The text boxes' context menu, where the system's own would speak the
// system's language (Windows); Qt takes its Bulgarian texts from its own
// translation.
inline constexpr const char *UndoCommand = "Отмени";
inline constexpr const char *CutCommand = "Изрежи";
inline constexpr const char *CopyCommand = "Копирай";
inline constexpr const char *PasteCommand = "Постави";
inline constexpr const char *DeleteCommand = "Изтрий";
inline constexpr const char *SelectAllCommand = "Избери всичко";

extern const char *const TaskStatement;
extern const char *const Motto;

// The window's caption: the maker's address, then the rest of it.
std::string WindowCaption();

} // namespace zerkovan

// The texts the window shows: captions, the task statement and the motto.
#pragma once

namespace zerkovan {

inline constexpr const char *TitleLabelCaption = "Зеркован";
inline constexpr const char *RowLabelCaption = "Номер на ред:";
inline constexpr const char *DisplayButtonCaption = "Изведи";
inline constexpr const char *ClearButtonCaption = "Изчисти";
inline constexpr const char *CaptionAfterAddress = "  Дорвелан";

extern const char *const TaskStatement;
extern const char *const Motto;

} // namespace zerkovan

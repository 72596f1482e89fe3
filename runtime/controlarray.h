// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

// A numbered group of controls of one kind, addressed by index as Text2(0).
#pragma once

#include "numbers.h"

#include <QPointer>
#include <QtGlobal>
#include <array>
#include <initializer_list>

namespace zerkovan {

template <typename Control, std::size_t Count = 2> class ControlArray
{
public:
    ControlArray() = default;
    ControlArray(std::initializer_list<Control *> controls)
    {
        Q_ASSERT(controls.size() == Count);
        std::size_t i = 0;
        for (Control *control : controls)
            m_controls[i++] = control;
    }

    Control *operator()(Integer16 index) const
    {
        Q_ASSERT(index >= 0 && std::size_t(index) < Count);
        return m_controls[std::size_t(index)];
    }

    static constexpr Integer16 size() { return Integer16(Count); }

private:
    std::array<Control *, Count> m_controls{};
};

} // namespace zerkovan

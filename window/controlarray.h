// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

// A numbered group of controls of one kind, addressed by index as Text2(0).
#pragma once

#include "numbers.h"

#include <array>
#include <cassert>
#include <cstddef>

namespace zerkovan {

// `Control` is what a front end holds of one control: a widget pointer, a
// window handle.
template <typename Control, std::size_t Count = 2> class ControlArray
{
public:
    ControlArray() = default;
    template <typename... Controls>
    ControlArray(Controls... controls)
        : m_controls{controls...}
    {
        static_assert(sizeof...(Controls) == Count);
    }

    Control operator()(Integer16 index) const
    {
        assert(index >= 0 && std::size_t(index) < Count);
        return m_controls[std::size_t(index)];
    }

    static constexpr Integer16 size() { return Integer16(Count); }

private:
    std::array<Control, Count> m_controls{};
};

} // namespace zerkovan

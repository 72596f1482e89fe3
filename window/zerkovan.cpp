// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

#include "zerkovan.h"

#include "verdict.h"

namespace zerkovan {

void Zerkovan::Command1_Click(Integer16 Index)
{
    if (Index == 0)
        ShowTriangle();
    else if (Index == 1)
        ClearBoxes();
}

void Zerkovan::ShowTriangle()
{
    m_state.input = TextOfText2(0);
    const RunResult result = RunTriangle(m_state, DecimalSeparator());
    // A failed run shows what it left, as the state holds it, and says why.
    AssignText2(1, m_state.output);
    if (result != RunResult::Done) {
        ClearVerdict();
        ShowRunError(MessageOf(result));
        return;
    }
    SayVerdict(VerdictOf(m_state.output));
}

void Zerkovan::ClearBoxes()
{
    for (Integer16 i = 0; i <= 1; ++i)
        AssignText2(i, "");
    m_state.input.clear();
    m_state.output.clear();
    m_state.FoundFlag = NotSeen;
    ClearVerdict();
}

} // namespace zerkovan
